#include "ui/skin/RuneToggleButton.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {

namespace {

const QPixmap* present(const QPixmap* image) {
    return image && !image->isNull() ? image : nullptr;
}

}  // namespace

RuneToggleButton::RuneToggleButton(QWidget* parent) : QAbstractButton(parent) {
    connect(this, &QAbstractButton::clicked, this, &RuneToggleButton::toggle);
}

void RuneToggleButton::setup(std::uint32_t* mask, std::uint32_t bits, const QPixmap* setImage,
                             const QPixmap* clearImage, QWidget* group) {
    mask_ = mask;
    bits_ = bits;
    setImage_ = present(setImage);
    clearImage_ = present(clearImage);
    group_ = group;
    updateLabel();
    update();
}

void RuneToggleButton::setLabel(LabelButton* label) {
    label_ = label;
    updateLabel();
}

bool RuneToggleButton::allBitsSet() const {
    return mask_ && (*mask_ & bits_) == bits_;
}

const QPixmap* RuneToggleButton::currentImage() const {
    return allBitsSet() ? setImage_ : clearImage_;
}

void RuneToggleButton::paintEvent(QPaintEvent*) {
    if (const QPixmap* image = currentImage()) {
        // Both pictures of a button are meant to be the same size; the plain one sets the area.
        const QPixmap* sizing = clearImage_ ? clearImage_ : image;
        const QRect source = QRect(QPoint(0, 0), sizing->size()).intersected(image->rect());
        QPainter painter(this);
        painter.drawPixmap(QPoint(1, 1), *image, source);
    }
    updateLabel();
}

void RuneToggleButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && runeNumber != 0) {
        event->accept();
        emit runeDetailsRequested(runeNumber);
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void RuneToggleButton::contextMenuEvent(QContextMenuEvent* event) {
    // The right press of a rune already asked for its details; no menu of the parent follows.
    if (runeNumber != 0) {
        event->accept();
        return;
    }
    QAbstractButton::contextMenuEvent(event);
}

void RuneToggleButton::toggle() {
    if (!mask_) {
        emit slotClicked(this);
        return;
    }
    if (!group_) {
        *mask_ ^= bits_;
        update();
        updateLabel();
        return;
    }
    if (allBitsSet()) {
        *mask_ &= ~bits_;
    } else {
        *mask_ |= bits_;
    }
    group_->update();
    // The labels follow at once, not only when the group's buttons are next painted.
    for (RuneToggleButton* button : group_->findChildren<RuneToggleButton*>())
        button->updateLabel();
    updateLabel();
}

void RuneToggleButton::updateLabel() {
    if (!label_) return;
    const QColor colour = allBitsSet() ? kWhite : kGrey;
    if (label_->textColour == colour) return;
    label_->textColour = colour;
    label_->update();
}

}  // namespace sockwright
