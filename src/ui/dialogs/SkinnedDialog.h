#pragma once

#include <QColor>
#include <QDialog>

namespace sockwright {

class ImageButton;

// What every skinned dialog shares: the fixed frame with a window menu and a close box, the
// black ground with the dialog's text colour, and the OK picture button with, where the dialog
// has one, Cancel. Enter presses the picture button that has the focus, and OK anywhere else (an
// edit field included); Escape and the close box cancel.
class SkinnedDialog : public QDialog {
    Q_OBJECT
  public:
    ImageButton& okButton() const { return *ok_; }
    // nullptr for a dialog without Cancel.
    ImageButton* cancelButton() const { return cancel_; }

  protected:
    // The buttons a dialog has, in their order in the tab chain.
    enum class Buttons { Ok, OkThenCancel, CancelThenOk };

    SkinnedDialog(const QString& title, const QColor& textColour, QWidget* parent);

    // Makes the buttons at this point of the tab chain, at their faces' sizes; OK accepts and
    // Cancel rejects. Called once, while the dialog builds its controls.
    void addButtons(Buttons buttons);

    // Cancel at the left edge and OK ending at the right edge of a row starting at top, both
    // centred in its height; the height of the row.
    int placeCancelAndOk(int left, int right, int top);

    void keyPressEvent(QKeyEvent* event) override;

  private:
    ImageButton* ok_ = nullptr;
    ImageButton* cancel_ = nullptr;
};

}  // namespace sockwright
