#include "ui/skin/BuiltInImages.h"

#include <QImageReader>
#include <QPixmapCache>
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

// Reads a built-in picture in its known format. Left to guess, Qt would first load each of its
// image plug-ins (GIF, ICO, JPEG, ...) to ask whether it knows the file.
QPixmap readPicture(const QString& path, const char* format) {
    QPixmap picture;
    if (QPixmapCache::find(path, &picture)) return picture;
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    if (!picture.isNull()) QPixmapCache::insert(path, picture);
    return picture;
}

}  // namespace

QPixmap builtInImage(std::string_view name) {
    ensureRegistered();
    return readPicture(
        QStringLiteral(":/images/%1.bmp")
            .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))),
        "BMP");
}

QIcon programIcon() {
    ensureRegistered();
    return QIcon(readPicture(QStringLiteral(":/images/Sockwright.png"), "PNG"));
}

const QIcon& programWindowIcon() {
    static const QIcon icon = [] {
        ensureRegistered();
        QIcon sizes;
        for (const char* file : {":/images/Sockwright32.png", ":/images/Sockwright16.png"}) {
            sizes.addPixmap(readPicture(QString::fromLatin1(file), "PNG"));
        }
        return sizes;
    }();
    return icon;
}

}  // namespace sockwright
