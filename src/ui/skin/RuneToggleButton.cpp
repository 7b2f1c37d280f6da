#include "ui/skin/RuneToggleButton.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {

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
}

void RuneToggleButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && runeNumber_ != 0) {
        event->accept();
        emit runeDetailsRequested(runeNumber_);
        return;
    }
    SkinButton::mousePressEvent(event);
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
