#pragma once

#include "ui/dialogs/SkinnedDialog.h"

namespace sockwright {

class LabelButton;

// The skinned about box of the About button: the thanks text on black and an OK picture button.
class AboutTextDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    explicit AboutTextDialog(QWidget* parent = nullptr);

    LabelButton& textLabel() const { return *text_; }

  private:
    LabelButton* text_;
};

}  // namespace sockwright
