#include "ui/skin/ImageButton.h"

#include <QPainter>

namespace sockwright {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {}

void ImageButton::setImage(const QPixmap& image) {
    image_ = image;
    updateGeometry();
    update();
}

const QPixmap& ImageButton::image() const {
    return image_;
}

QSize ImageButton::sizeHint() const {
    return image_.isNull() ? QSize(0, 0) : image_.size() / image_.devicePixelRatio();
}

void ImageButton::paintEvent(QPaintEvent*) {
    // The caption (set for its mnemonic) is deliberately not drawn.
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, image_);
}

}  // namespace sockwright
