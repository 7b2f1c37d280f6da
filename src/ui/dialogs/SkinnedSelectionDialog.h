#pragma once

#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>

namespace sockwright {

class ImageButton;

// What the three selection dialogs (runes, equipment, rune details) share: the skinned frame with
// red static text on black, thin olive rules between groups of controls, and the OK picture
// button with, where the dialog has one, Cancel. Enter presses OK (or Cancel while Cancel has the
// focus); Escape and the close box cancel.
class SkinnedSelectionDialog : public QDialog {
    Q_OBJECT
  public:
    ImageButton& okButton() const { return *ok_; }
    // nullptr for a dialog without Cancel.
    ImageButton* cancelButton() const { return cancel_; }

  protected:
    enum class Buttons { OkOnly, OkAndCancel };

    SkinnedSelectionDialog(const QString& title, Buttons buttons, QWidget* parent);

    QSize okSize() const;
    QSize cancelSize() const;

    // An olive rule, drawn under the controls at this place.
    void addRule(const QRect& rule) { rules_.append(rule); }

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    ImageButton* ok_;
    ImageButton* cancel_ = nullptr;
    QList<QRect> rules_;
};

}  // namespace sockwright
