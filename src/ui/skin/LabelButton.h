#pragma once

#include <QAbstractButton>
#include <QColor>

#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinTextSizes.h"

class QPainter;

namespace sockwright {

class ElidedText;

// A text label on black, in the skin font. Lines break only at '\n'; the text starts at the top
// edge. A line wider than the label ends in an ellipsis, and the whole text is its tooltip. It is a
// button only so that a click can reach its owner (the contact line, the choices of the rune
// dialog); every setter repaints it.
class LabelButton : public QAbstractButton {
    Q_OBJECT
  public:
    enum Alignment { Left = 0, Centre = 1, Right = 2 };

    static constexpr int kDefaultPointSize = textSize::kLabel;

    explicit LabelButton(QWidget* parent = nullptr);
    LabelButton(const QString& text, QWidget* parent);

    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment alignment);
    void setLeft() { setAlignment(Left); }
    void setRight() { setAlignment(Right); }

    int pointSize() const { return pointSize_; }
    void setPointSize(int tenths);

    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);

    QSize sizeHint() const override;
    // The text as the label shows it at its width.
    ElidedText fittedText() const;

    // Fills rect with black and draws text in the skin font from the top edge, each line placed
    // by alignment; lines break only at '\n', and a line wider than rect is elided.
    static void paintText(QPainter& painter, const QRect& rect, const QString& text,
                          int pointSizeTenths, const QColor& colour, Alignment alignment);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    Alignment alignment_ = Centre;
    int pointSize_ = kDefaultPointSize;
    QColor textColour_ = kWhite;
};

}  // namespace sockwright
