#pragma once

#include <QColor>
#include <Qt>

class QListView;
class QWidget;

namespace sockwright {

// The frame of every window of the program: a dialog with a title bar, a window menu and a close
// box, whose size the user cannot change.
inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// The colour rule of a skinned dialog: a black ground, and the dialog's text colour on its
// edit fields and static texts, drawn with no box behind the text.
class DialogSkin {
  public:
    static void apply(QWidget& dialog, const QColor& textColour);
    // The program's lists: black, no frame, one selectable row at a time, scrolled by rows, no
    // horizontal scroll bar; the vertical one as asked.
    static void applyToList(QListView& list, Qt::ScrollBarPolicy verticalScrollBar);
};

}  // namespace sockwright
