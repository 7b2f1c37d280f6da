#pragma once

#include <QColor>
#include <QString>

namespace sockwright::styleSheet {

// Style sheets for the controls Qt draws itself, written from the skin's colour table.

// A colour as a style sheet writes it: "rgb(r, g, b)".
QString colour(const QColor& value);
// A plain black ground.
QString blackGround();
// A list's context menu: list text on black in an olive frame, the entry under the pointer white
// on olive, an entry that cannot be chosen grey.
QString listMenu();
// A one-line edit field: white text and caret on black in an olive frame, selected text white on
// olive.
QString lineEdit();
// A list's vertical scroll bar of this width: an olive handle on black, no arrow buttons.
QString listScrollBar(int width);

}  // namespace sockwright::styleSheet
