#include "ui/skin/ImageButton.h"

#include <QPainter>

#include "ui/skin/BuiltInImages.h"
#include "ui/skin/ButtonFaces.h"

namespace sockwright {

ImageButton::ImageButton(QWidget* parent) : SkinButton(parent) {}

void ImageButton::setImage(const QPixmap& image) {
    image_ = image;
    updateGeometry();
    update();
}

void ImageButton::setFace(std::string_view face) {
    const ButtonFace* builtIn = findButtonFace(face);
    faceSize_ = builtIn ? QSize(builtIn->width, builtIn->height) : QSize(0, 0);
    setImage(builtInImage(face));
}

const QPixmap& ImageButton::image() const {
    return image_;
}

QSize ImageButton::sizeHint() const {
    return image_.isNull() ? faceSize_ : image_.size() / image_.devicePixelRatio();
}

void ImageButton::paintFace(QPainter& painter) {
    // The caption (set for its mnemonic) is deliberately not drawn.
    if (!image_.isNull()) painter.drawPixmap(0, 0, image_);
}

}  // namespace sockwright
