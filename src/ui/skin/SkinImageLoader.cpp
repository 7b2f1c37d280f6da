#include "ui/skin/SkinImageLoader.h"

#include <QFile>
#include <QImageReader>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>

#include "model/MessageSink.h"
#include "model/RuneTable.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {

namespace {

const std::filesystem::path kPictureFolder = "bmp";
const std::filesystem::path kCharacterFolder = "char";
constexpr const char* kHighlightPrefix = "sel";

QPixmap& runePlain(SkinImages& images, std::size_t index) {
    return images.runes.plain[index];
}
QPixmap& runeHighlighted(SkinImages& images, std::size_t index) {
    return images.runes.highlighted[index];
}
QPixmap& blankPlain(SkinImages& images, std::size_t) {
    return images.blanks.plain;
}
QPixmap& blankHighlighted(SkinImages& images, std::size_t) {
    return images.blanks.highlighted;
}
QPixmap& equipmentPlain(SkinImages& images, std::size_t index) {
    return images.equipment.plain[index];
}
QPixmap& equipmentHighlighted(SkinImages& images, std::size_t index) {
    return images.equipment.highlighted[index];
}
QPixmap& classImage(SkinImages& images, std::size_t index) {
    return images.classes.images[index];
}

// Whether the file opens and starts like a bitmap with pixel data behind its headers. Never
// stricter than the decoder: what fails here would fail to load as well.
bool looksLikeBitmap(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 14> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return false;
    if (header[0] != 'B' || header[1] != 'M') return false;
    const std::uint32_t dataOffset = header[10] | header[11] << 8 | header[12] << 16 |
                                     static_cast<std::uint32_t>(header[13]) << 24;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    return size > 0 && static_cast<std::uint64_t>(size) > dataOffset;
}

enum class Walk { Load, Check };

// One picture of the start-up walk: loaded at once, or only checked and left pending. A file
// name that could leave its folder loads nothing.
void takePicture(Walk walk, SkinImages& images, QPixmap& (*entry)(SkinImages&, std::size_t),
                 std::size_t index, const std::filesystem::path& folder, const std::string& base,
                 const std::string& message, MessageSink& messages) {
    QPixmap& pixmap = entry(images, index);
    pixmap = QPixmap();
    const std::filesystem::path file = folder / (base + ".bmp");
    const bool safe = isSafeImageName(base);
    if (safe && walk == Walk::Load) {
        pixmap = loadImage(file);
        if (!pixmap.isNull()) return;
    } else if (safe && looksLikeBitmap(file)) {
        images.pending.push_back({entry, index, file, message});
        return;
    }
    messages.showMessage(message);
}

// The plain picture and its highlighted ("sel") twin; each failure reports the same message.
void takePair(Walk walk, SkinImages& images, QPixmap& (*plain)(SkinImages&, std::size_t),
              QPixmap& (*highlighted)(SkinImages&, std::size_t), std::size_t index,
              const std::string& base, MessageSink& messages) {
    const std::string message = "Failed to load all " + base + " images";
    takePicture(walk, images, plain, index, kPictureFolder, base, message, messages);
    takePicture(walk, images, highlighted, index, kPictureFolder, kHighlightPrefix + base, message,
                messages);
}

void walkSkinImages(Walk walk, const RuneTable& runeTable, SkinImages& images,
                    MessageSink& messages) {
    images.pending.clear();
    for (int number = 1; number <= kRuneCount; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        const Rune* rune = runeTable.find(number);
        if (!rune) {
            // A short rune file leaves this rune without a name, hence without pictures.
            images.runes.plain[index] = QPixmap();
            images.runes.highlighted[index] = QPixmap();
            continue;
        }
        takePair(walk, images, runePlain, runeHighlighted, index, rune->name, messages);
    }

    takePair(walk, images, blankPlain, blankHighlighted, 0, "Blank", messages);

    const auto baseNames = equipmentImageBaseNames();
    for (std::size_t i = 0; i < baseNames.size(); ++i) {
        takePair(walk, images, equipmentPlain, equipmentHighlighted, i, baseNames[i], messages);
    }

    for (std::size_t i = 0; i < kCharacterClassNames.size(); ++i) {
        const std::string name = kCharacterClassNames[i];
        takePicture(walk, images, classImage, i, kCharacterFolder, name,
                    "Failed to load " + name + " image", messages);
    }
}

}  // namespace

bool isSafeImageName(std::string_view name) {
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

QPixmap loadImage(const std::filesystem::path& path) {
    const std::string native = path.string();
    // A NUL would cut the name short and open some other file.
    if (native.empty() || native.find('\0') != std::string::npos) return {};
    // Only as a bitmap: left to guess, Qt would first load each of its image plug-ins (GIF, ICO,
    // JPEG, ...) to ask whether it knows the file; none of them reads bitmaps.
    // A file that does not open (a missing portrait, most often) is none, without the reader's
    // warning on the standard error stream.
    QFile file(QFile::decodeName(native.c_str()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&file, "BMP");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void loadSkinImages(const RuneTable& runeTable, SkinImages& images, MessageSink& messages) {
    walkSkinImages(Walk::Load, runeTable, images, messages);
}

void checkSkinImages(const RuneTable& runeTable, SkinImages& images, MessageSink& messages) {
    walkSkinImages(Walk::Check, runeTable, images, messages);
}

void decodeSkinImages(SkinImages& images, MessageSink& messages) {
    std::vector<PendingPicture> pending;
    pending.swap(images.pending);
    for (const PendingPicture& picture : pending) {
        QPixmap& pixmap = picture.entry(images, picture.index);
        pixmap = loadImage(picture.file);
        if (pixmap.isNull()) messages.showMessage(picture.message);
    }
}

}  // namespace sockwright
