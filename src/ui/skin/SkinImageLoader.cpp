#include "ui/skin/SkinImageLoader.h"

#include <QFile>
#include <string>

#include "model/MessageSink.h"
#include "model/RuneTable.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {

namespace {

const std::filesystem::path kPictureFolder = "bmp";
const std::filesystem::path kCharacterFolder = "char";
constexpr const char* kHighlightPrefix = "sel";

// Loads bmp/<base>.bmp; a failure reports message. A base that could leave bmp/ loads nothing.
void loadPicture(const std::string& base, QPixmap& pixmap, const std::string& message,
                 MessageSink& messages) {
    pixmap = isSafeImageName(base) ? loadImage(kPictureFolder / (base + ".bmp")) : QPixmap();
    if (pixmap.isNull()) messages.showMessage(message);
}

// The plain picture and its highlighted ("sel") twin; each failure reports the same message.
void loadPair(const std::string& base, QPixmap& plain, QPixmap& highlighted,
              MessageSink& messages) {
    const std::string message = "Failed to load all " + base + " images";
    loadPicture(base, plain, message, messages);
    loadPicture(kHighlightPrefix + base, highlighted, message, messages);
}

}  // namespace

bool isSafeImageName(std::string_view name) {
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

QPixmap loadImage(const std::filesystem::path& path) {
    const std::string native = path.string();
    // A NUL would cut the name short and open some other file.
    if (native.empty() || native.find('\0') != std::string::npos) return {};
    QPixmap image;
    if (!image.load(QFile::decodeName(native.c_str()), "BMP")) return {};
    return image;
}

void loadSkinImages(const RuneTable& runeTable, SkinImages& images, MessageSink& messages) {
    for (int number = 1; number <= kRuneCount; ++number) {
        QPixmap& plain = images.runes.plain[number - 1];
        QPixmap& highlighted = images.runes.highlighted[number - 1];
        const Rune* rune = runeTable.find(number);
        if (!rune) {
            // A short rune file leaves this rune without a name, hence without pictures.
            plain = QPixmap();
            highlighted = QPixmap();
            continue;
        }
        loadPair(rune->name, plain, highlighted, messages);
    }

    loadPair("Blank", images.blanks.plain, images.blanks.highlighted, messages);

    const auto baseNames = equipmentImageBaseNames();
    for (std::size_t i = 0; i < baseNames.size(); ++i) {
        loadPair(baseNames[i], images.equipment.plain[i], images.equipment.highlighted[i],
                 messages);
    }

    for (std::size_t i = 0; i < kCharacterClassNames.size(); ++i) {
        const std::string name = kCharacterClassNames[i];
        images.classes.images[i] = loadImage(kCharacterFolder / (name + ".bmp"));
        if (images.classes.images[i].isNull())
            messages.showMessage("Failed to load " + name + " image");
    }
}

}  // namespace sockwright
