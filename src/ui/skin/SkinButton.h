#pragma once

#include <QAbstractButton>
#include <QRect>

class QPainter;

namespace sockwright {

// A skinned control that takes the keyboard focus: it draws its own face and, while the keyboard
// brought the focus to it (Tab, Shift+Tab, a shortcut), an olive frame over the face, so that a
// keyboard user sees where he is. Focus that a mouse click or the program gives shows no frame;
// a window losing and regaining activation keeps the frame as it was.
class SkinButton : public QAbstractButton {
    Q_OBJECT
  public:
    using QAbstractButton::QAbstractButton;

    bool showsFocusMark() const { return keyboardFocus_ && hasFocus(); }

  protected:
    virtual void paintFace(QPainter& painter) = 0;
    // Where the frame goes: along the control's inside edge unless its face needs it elsewhere.
    virtual QRect focusMarkRect() const { return rect(); }

    void paintEvent(QPaintEvent* event) final;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool keyboardFocus_ = false;
};

}  // namespace sockwright
