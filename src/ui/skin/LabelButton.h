#pragma once

#include <QAbstractButton>
#include <QColor>

class QPainter;

namespace sockwright {

// A text label on black. Lines break only at '\n'; the text starts at the top edge.
class LabelButton : public QAbstractButton {
    Q_OBJECT
  public:
    enum Alignment { Left = 0, Centre = 1, Right = 2 };

    explicit LabelButton(QWidget* parent = nullptr);

    // Written directly by the owners, as they are plain settings of the label.
    int alignment = Centre;
    int pointSize = 110;  // tenths of a point
    QColor textColour{255, 255, 255};

    void setLeft();
    void setRight();
    void setPointSize(int tenths);

    QSize sizeHint() const override;

    // Fills rect with black and draws text in the skin font from the top edge, each line placed
    // by alignment (Left, Centre or Right); lines break only at '\n'.
    static void paintText(QPainter& painter, const QRect& rect, const QString& text,
                          int pointSizeTenths, const QColor& colour, int alignment);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sockwright
