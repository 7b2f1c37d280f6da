#pragma once

#include <QColor>

class QWidget;

namespace sockwright {

// The colour rule of a skinned dialog: a black ground, and the dialog's text colour on its
// edit fields and static texts, drawn with no box behind the text.
class DialogSkin {
  public:
    static void apply(QWidget& dialog, const QColor& textColour);
};

}  // namespace sockwright
