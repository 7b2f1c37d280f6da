#pragma once

#include "ui/dialogs/SkinnedSelectionDialog.h"

class QPixmap;

namespace sockwright {

struct Rune;

// "Rune Details": one rune's name and number, its picture, the level it requires and what it
// gives in a weapon, in armour and in a shield; OK closes it. It only shows.
class RuneDetailsDialog : public SkinnedSelectionDialog {
    Q_OBJECT
  public:
    // The rune and its highlighted picture (nullptr or a null pixmap: no picture) are copied
    // into the controls; neither is kept.
    RuneDetailsDialog(const Rune& rune, const QPixmap* highlightedImage, QWidget* parent = nullptr);
};

}  // namespace sockwright
