#include "GallerySheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "ui/skin/SkinColours.h"

namespace sockwright::pictures {

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kCaptionHeight = 14;
constexpr int kHeadingHeight = 30;
// Room enough for every picture and control; the sheet is cut to what was used.
constexpr int kMaxHeight = 16000;

QFont captionFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(10);
    return font;
}

}  // namespace

GallerySheet::GallerySheet(int width)
    : canvas_(width, kMaxHeight, QImage::Format_RGB32), x_(kMargin), y_(kMargin) {
    // A dark grey ground shows where each black picture ends.
    canvas_.fill(QColor(24, 24, 28));
}

void GallerySheet::newRow() {
    if (rowHeight_ == 0) return;
    y_ += rowHeight_ + kGap;
    x_ = kMargin;
    rowHeight_ = 0;
}

void GallerySheet::heading(const QString& title) {
    newRow();
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kOlive);
    painter.drawText(QPoint(kMargin, y_ + 18), title);
    QColor rule = kOlive;
    rule.setAlpha(120);
    painter.setPen(rule);
    painter.drawLine(kMargin, y_ + 24, canvas_.width() - kMargin, y_ + 24);
    y_ += kHeadingHeight;
}

void GallerySheet::reserve(int width, int height) {
    if (x_ > kMargin && x_ + width > canvas_.width() - kMargin) newRow();
    rowHeight_ = std::max(rowHeight_, height);
}

void GallerySheet::add(const QImage& picture, const QString& caption) {
    const int captionWidth = QFontMetrics(captionFont()).horizontalAdvance(caption);
    const int width = std::max(picture.width(), captionWidth);
    reserve(width, picture.height() + kCaptionHeight);
    QPainter painter(&canvas_);
    painter.drawImage(x_, y_, picture);
    painter.setFont(captionFont());
    painter.setPen(QColor(170, 170, 170));
    painter.drawText(QPoint(x_, y_ + picture.height() + 11), caption);
    x_ += width + kGap;
}

void GallerySheet::add(QWidget& widget, const QString& caption) {
    QImage picture(widget.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    widget.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    add(picture, caption);
}

QImage GallerySheet::finished() const {
    const int used = std::min(canvas_.height(), y_ + rowHeight_ + kMargin);
    return canvas_.copy(0, 0, canvas_.width(), used);
}

}  // namespace sockwright::pictures
