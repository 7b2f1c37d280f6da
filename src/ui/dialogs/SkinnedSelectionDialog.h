#pragma once

#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>
#include <string_view>

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

    // The size of a picture button: its picture's, or that of its built-in face when the picture
    // is missing, so that the layout never collapses.
    static QSize buttonSize(const ImageButton& button, std::string_view face);
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

// The width of one line of skin text at a size in tenths of a point.
int skinTextWidth(const QString& text, int pointSizeTenths);
// The height a label needs for one line of skin text.
int skinLineHeight(int pointSizeTenths);
// The room a block of skin text needs, its lines broken only at line feeds.
QSize skinTextSize(const QString& text, int pointSizeTenths);

}  // namespace sockwright
