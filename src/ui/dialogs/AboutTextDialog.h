#pragma once

#include <QDialog>

namespace sockwright {

class ImageButton;
class LabelButton;

// The skinned about box of the About button: the thanks text on black and an OK picture button.
class AboutTextDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutTextDialog(QWidget* parent = nullptr);

    LabelButton& textLabel() const { return *text_; }
    ImageButton& okButton() const { return *ok_; }

  protected:
    // Enter is OK, the box's only button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    LabelButton* text_;
    ImageButton* ok_;
};

}  // namespace sockwright
