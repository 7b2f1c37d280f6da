#include "ui/skin/RuneToggleButton.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

// One notch of a mouse wheel, in its eighths of a degree.
constexpr int kWheelNotch = 120;

}  // namespace

RuneToggleButton::RuneToggleButton(QWidget* parent) : SkinButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!isBound()) emit slotClicked(this);
    });
}

void RuneToggleButton::bind(std::uint32_t bits, ClickRule rule) {
    bits_ = bits;
    rule_ = rule;
    setCheckable(bits != 0);
    setChecked(false);
    showStateOnLabel();
    update();
}

void RuneToggleButton::setImages(const QPixmap& setImage, const QPixmap& clearImage) {
    setImage_ = setImage;
    clearImage_ = clearImage;
    updateGeometry();
    update();
}

void RuneToggleButton::setLabel(LabelButton* label) {
    label_ = label;
    showStateOnLabel();
}

void RuneToggleButton::setMask(std::uint32_t mask) {
    if (!isBound()) return;
    const bool allSet = (mask & bits_) == bits_;
    if (allSet != isChecked()) {
        setChecked(allSet);
        update();
    }
    showStateOnLabel();
}

std::uint32_t RuneToggleButton::maskAfterClick(std::uint32_t mask) const {
    if (rule_ == ClickRule::FlipEachBit) return mask ^ bits_;
    return (mask & bits_) == bits_ ? mask & ~bits_ : mask | bits_;
}

void RuneToggleButton::setCount(int count) {
    if (count == count_) return;
    count_ = count;
    update();
}

const QPixmap& RuneToggleButton::currentImage() const {
    return isChecked() ? setImage_ : clearImage_;
}

QSize RuneToggleButton::sizeHint() const {
    const QPixmap& sizing = clearImage_.isNull() ? setImage_ : clearImage_;
    return sizing.size() + QSize(1, 1);
}

void RuneToggleButton::paintFace(QPainter& painter) {
    const QPixmap& image = currentImage();
    if (image.isNull()) return;
    // Both pictures of a toggle are meant to be the same size; the clear one sets the area.
    const QPixmap& sizing = clearImage_.isNull() ? image : clearImage_;
    const QRect source = QRect(QPoint(0, 0), sizing.size()).intersected(image.rect());
    painter.drawPixmap(QPoint(1, 1), image, source);
    if (counting_ && count_ >= 2) paintCount(painter, source.translated(1, 1));
}

void RuneToggleButton::paintCount(QPainter& painter, const QRect& picture) {
    // In the picture's upper right corner, clear of the rune's engraved name; white on a black
    // outline so that it reads over any picture.
    const QString text = QStringLiteral("\u00d7%1").arg(count_);
    painter.setFont(skinFont(textSize::kListRow));
    const QRect area = picture.adjusted(0, 0, -1, 0);
    const int flags = Qt::AlignRight | Qt::AlignTop;
    painter.setPen(kBlack);
    for (const QPoint offset : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        painter.drawText(area.translated(offset), flags, text);
    painter.setPen(kWhite);
    painter.drawText(area, flags, text);
}

void RuneToggleButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && runeNumber_ != 0) {
        event->accept();
        emit runeDetailsRequested(runeNumber_);
        return;
    }
    const Qt::KeyboardModifiers step =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (counting_ && event->button() == Qt::LeftButton && step != Qt::NoModifier) {
        // A counting press is no click: the toggle's own state is left alone.
        event->accept();
        emit countStepRequested(step & Qt::ControlModifier ? -1 : 1);
        return;
    }
    SkinButton::mousePressEvent(event);
}

void RuneToggleButton::keyPressEvent(QKeyEvent* event) {
    if (counting_) {
        if (event->key() == Qt::Key_Plus) {
            emit countStepRequested(1);
            return;
        }
        if (event->key() == Qt::Key_Minus) {
            emit countStepRequested(-1);
            return;
        }
    }
    SkinButton::keyPressEvent(event);
}

void RuneToggleButton::wheelEvent(QWheelEvent* event) {
    if (!counting_ || !isEnabled()) {
        SkinButton::wheelEvent(event);
        return;
    }
    event->accept();
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= kWheelNotch) {
        wheelRemainder_ -= kWheelNotch;
        emit countStepRequested(1);
    }
    while (wheelRemainder_ <= -kWheelNotch) {
        wheelRemainder_ += kWheelNotch;
        emit countStepRequested(-1);
    }
}

void RuneToggleButton::contextMenuEvent(QContextMenuEvent* event) {
    // The right press of a rune already asked for its details; no menu of the parent follows.
    if (runeNumber_ != 0) {
        event->accept();
        return;
    }
    SkinButton::contextMenuEvent(event);
}

void RuneToggleButton::showStateOnLabel() {
    if (label_) label_->setTextColour(isChecked() ? kWhite : kGrey);
}

}  // namespace sockwright
