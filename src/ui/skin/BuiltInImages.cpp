#include "ui/skin/BuiltInImages.h"

#include <QString>
#include <mutex>

// The pictures live in a static library, whose resource registration the linker would drop
// unless something refers to it; Q_INIT_RESOURCE is that reference. It must be called outside
// any namespace.
static void registerBuiltInImages() {
    Q_INIT_RESOURCE(sockwright_images);
}

namespace sockwright {

namespace {

void ensureRegistered() {
    static std::once_flag registered;
    std::call_once(registered, registerBuiltInImages);
}

}  // namespace

QPixmap builtInImage(std::string_view name) {
    ensureRegistered();
    return QPixmap(QStringLiteral(":/images/%1.bmp")
                       .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
}

QIcon programIcon() {
    ensureRegistered();
    return QIcon(QStringLiteral(":/images/Sockwright.png"));
}

}  // namespace sockwright
