#pragma once

class QDir;

namespace sockwright {
class RuneTable;
struct SkinImages;
}  // namespace sockwright

namespace sockwright::pictures {

class GallerySheet;

// The program's dialogs in their states, each drawn with the runtime folder's pictures.
void addSelectionDialogs(GallerySheet& sheet, const QDir& runtime);
void addAccountDialogs(GallerySheet& sheet, const QDir& runtime);
void addPlannerDialogs(GallerySheet& sheet, const QDir& runtime);
// The keyboard focus mark and elided texts with their tooltips.
void addFocusAndElision(GallerySheet& sheet, const QDir& runtime);

// The runtime folder's rune file, read as the program reads it (empty when it cannot be read),
// and its pictures, loaded from bmp/ as the program loads them.
RuneTable readGalleryRunes(const QDir& runtime);
SkinImages loadGalleryImages(const QDir& runtime, const RuneTable& runes);

}  // namespace sockwright::pictures
