#include "update/InstallationIdStore.h"

#include <QSettings>
#include <cstdio>
#include <memory>

namespace sockwright {
namespace {

const QString kKey = QStringLiteral("ID");
// The stored text, with its terminating zero, must fit a buffer of this size.
constexpr std::size_t kStoredIdBuffer = 255;

}  // namespace

#ifdef Q_OS_WIN
InstallationIdStore::InstallationIdStore()
    : location_(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\QUILLANE\\SOCKWRIGHT")) {}
#else
InstallationIdStore::InstallationIdStore() = default;
#endif

InstallationIdStore::InstallationIdStore(const QString& iniFile)
    : location_(iniFile), iniFile_(true) {}

std::optional<std::string> InstallationIdStore::installationId() {
    std::unique_ptr<QSettings> settings;
    if (iniFile_) {
        settings = std::make_unique<QSettings>(location_, QSettings::IniFormat);
    } else if (!location_.isEmpty()) {
        settings = std::make_unique<QSettings>(location_, QSettings::NativeFormat);
    } else {
        settings =
            std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                        QStringLiteral("QUILLANE"), QStringLiteral("SOCKWRIGHT"));
    }
    if (settings->status() == QSettings::AccessError) return std::string();

    const QVariant stored = settings->value(kKey);
    if (stored.isValid()) {
        const std::string text = stored.toString().toStdString();
        if (isUsable(text)) return text;
    }

    const QUuid uuid = QUuid::createUuid();
    if (uuid.isNull()) return std::nullopt;
    const std::string id = format(uuid);
    // When the store cannot be written the id serves this run only.
    settings->setValue(kKey, QString::fromStdString(id));
    settings->sync();
    return id;
}

std::string InstallationIdStore::format(const QUuid& uuid) {
    char text[40];
    std::snprintf(text, sizeof text, "%08X_%04X_%04x_%02X%02X_%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned>(uuid.data1), static_cast<unsigned>(uuid.data2),
                  static_cast<unsigned>(uuid.data3), uuid.data4[0], uuid.data4[1], uuid.data4[2],
                  uuid.data4[3], uuid.data4[4], uuid.data4[5], uuid.data4[6], uuid.data4[7]);
    return text;
}

bool InstallationIdStore::isUsable(std::string_view stored) {
    if (stored.size() >= kStoredIdBuffer) return false;
    for (const char c : stored) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7f) return false;
    }
    return true;
}

}  // namespace sockwright
