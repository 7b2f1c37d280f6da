#pragma once

#include <QPixmap>
#include <filesystem>
#include <string_view>

namespace sockwright {

class MessageSink;
class RuneTable;
struct SkinImages;

// Whether a name may become part of a file name in bmp/ or char/: no folder separator, no NUL.
bool isSafeImageName(std::string_view name);

// Loads a bitmap file; a null pixmap when the file is missing or unreadable.
QPixmap loadImage(const std::filesystem::path& path);

// Fills every table from bmp/ and char/ below the current folder, in this order: the 33 rune
// pairs (plain, then "sel"), the Blank pair, the 19 equipment pairs, the seven class pictures.
// Each picture that fails is reported through messages and left empty; a rune slot that the
// rune table does not hold is skipped without a message.
void loadSkinImages(const RuneTable& runeTable, SkinImages& images, MessageSink& messages);

// The same walk and the same messages in the same order, but a file is only checked: it must
// open and hold a bitmap header with data behind it. Every picture that passes is left empty and
// listed in images.pending for decodeSkinImages; nothing is decoded, so start-up does not pay
// for pictures that its first paint does not show.
void checkSkinImages(const RuneTable& runeTable, SkinImages& images, MessageSink& messages);

// Decodes the pictures images.pending lists, in order, into their entries; one whose decoding
// fails after all (a damaged body behind a sound header) reports its message now.
void decodeSkinImages(SkinImages& images, MessageSink& messages);

}  // namespace sockwright
