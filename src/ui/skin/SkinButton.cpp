#include "ui/skin/SkinButton.h"

#include <QFocusEvent>
#include <QPainter>

#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

// Focus that leaves or returns with the window's activation or a popup is the same focus.
bool keepsFocusKind(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

void SkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFace(painter);
    if (!showsFocusMark()) return;
    painter.setPen(kOlive);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(focusMarkRect().adjusted(0, 0, -1, -1));
}

void SkinButton::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (!keepsFocusKind(reason)) {
        keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason;
    }
    update();
    QAbstractButton::focusInEvent(event);
}

void SkinButton::focusOutEvent(QFocusEvent* event) {
    if (!keepsFocusKind(event->reason())) keyboardFocus_ = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

}  // namespace sockwright
