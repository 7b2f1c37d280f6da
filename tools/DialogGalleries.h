#pragma once

class QDir;

namespace sockwright::pictures {

class GallerySheet;

// The program's dialogs in their states, each drawn with the runtime folder's pictures.
void addSelectionDialogs(GallerySheet& sheet, const QDir& runtime);
void addAccountDialogs(GallerySheet& sheet, const QDir& runtime);

}  // namespace sockwright::pictures
