#pragma once

#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace sockwright {

// The pictures built into the program: the button faces of kButtonFaces (ui/skin/ButtonFaces.h)
// and "Background", each loaded from ":/images/<name>.bmp". A null pixmap for a name that is
// not built in.
QPixmap builtInImage(std::string_view name);

// The program's icon at 256 x 256, for the About dialog.
QIcon programIcon();

// The program's icon at the sizes of a window's big and small icons (32 and 16), read once.
const QIcon& programWindowIcon();

}  // namespace sockwright
