#include "ui/skin/LabelButton.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {

namespace {

Qt::Alignment horizontalAlignment(int alignment) {
    switch (alignment) {
        case LabelButton::Left:
            return Qt::AlignLeft;
        case LabelButton::Right:
            return Qt::AlignRight;
        default:
            return Qt::AlignHCenter;
    }
}

}  // namespace

LabelButton::LabelButton(QWidget* parent) : QAbstractButton(parent) {
    // A label is clicked with the mouse only; it never takes the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
}

void LabelButton::setLeft() {
    alignment = Left;
    update();
}

void LabelButton::setRight() {
    alignment = Right;
    update();
}

void LabelButton::setPointSize(int tenths) {
    pointSize = tenths;
    updateGeometry();
    update();
}

void LabelButton::paintText(QPainter& painter, const QRect& rect, const QString& text,
                            int pointSizeTenths, const QColor& colour, int alignment) {
    painter.fillRect(rect, kBlack);
    painter.setFont(skinFont(pointSizeTenths));
    painter.setPen(colour);
    // Without Qt::TextWordWrap the only line breaks are the text's own line feeds.
    painter.drawText(rect, Qt::AlignTop | horizontalAlignment(alignment), text);
}

QSize LabelButton::sizeHint() const {
    const QFontMetrics metrics(skinFont(pointSize));
    return metrics.boundingRect(QRect(), Qt::AlignTop | Qt::AlignLeft, text()).size();
}

void LabelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintText(painter, rect(), text(), pointSize, textColour, alignment);
}

}  // namespace sockwright
