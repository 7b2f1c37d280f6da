#include "ui/skin/DetailTextButton.h"

#include <QPainter>

#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {

DetailTextButton::DetailTextButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void DetailTextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    LabelButton::paintText(painter, rect(), text(), kPointSize, kDetailText, LabelButton::Centre);
}

}  // namespace sockwright
