#pragma once

#include <QIcon>
#include <QPixmap>

namespace sockwright {

// The pictures built into the program: the button faces ("OK", "Cancel", "Next", "Prev", "Up",
// "Down", "Logo", "Exit", "Runes", "Equipment", "Title", "About", "Character", "Delete", "New",
// "Edit", "Update") and "Background", each loaded from ":/images/<face>.bmp". A null pixmap for
// a name that is not built in.
QPixmap builtInImage(const char* face);

// The program's icon, for its windows.
QIcon programIcon();

}  // namespace sockwright
