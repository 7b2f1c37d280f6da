#include "ui/skin/LabelButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>

#include "ui/skin/ElidedText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {

namespace {

Qt::Alignment horizontalAlignment(LabelButton::Alignment alignment) {
    switch (alignment) {
        case LabelButton::Left:
            return Qt::AlignLeft;
        case LabelButton::Right:
            return Qt::AlignRight;
        case LabelButton::Centre:
            break;
    }
    return Qt::AlignHCenter;
}

}  // namespace

LabelButton::LabelButton(QWidget* parent) : QAbstractButton(parent) {
    // A label is clicked with the mouse only; it never takes the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
}

LabelButton::LabelButton(const QString& text, QWidget* parent) : LabelButton(parent) {
    setText(text);
}

void LabelButton::setAlignment(Alignment alignment) {
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    update();
}

void LabelButton::setPointSize(int tenths) {
    if (pointSize_ == tenths) return;
    pointSize_ = tenths;
    updateGeometry();
    update();
}

void LabelButton::setTextColour(const QColor& colour) {
    if (textColour_ == colour) return;
    textColour_ = colour;
    update();
}

void LabelButton::paintText(QPainter& painter, const QRect& rect, const QString& text,
                            int pointSizeTenths, const QColor& colour, Alignment alignment) {
    painter.fillRect(rect, kBlack);
    const QFont font = skinFont(pointSizeTenths);
    painter.setFont(font);
    painter.setPen(colour);
    // Without Qt::TextWordWrap the only line breaks are the text's own line feeds.
    painter.drawText(rect, Qt::AlignTop | horizontalAlignment(alignment),
                     ElidedText(text, QFontMetrics(font), rect.width()).shown());
}

QSize LabelButton::sizeHint() const {
    const QFontMetrics metrics(skinFont(pointSize_));
    return metrics.boundingRect(QRect(), Qt::AlignTop | Qt::AlignLeft, text()).size();
}

ElidedText LabelButton::fittedText() const {
    return ElidedText(text(), QFontMetrics(skinFont(pointSize_)), width());
}

bool LabelButton::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractButton::event(event);
    fittedText().answerToolTip(*static_cast<QHelpEvent*>(event), this);
    return true;
}

void LabelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintText(painter, rect(), text(), pointSize_, textColour_, alignment_);
}

}  // namespace sockwright
