#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <functional>

namespace sockwright::testing {

inline QPixmap solidPixmap(QSize size, const QColor& colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

inline void writeBitmap(const std::filesystem::path& file, QSize size, const QColor& colour) {
    std::filesystem::create_directories(file.parent_path());
    solidPixmap(size, colour).save(QString::fromStdString(file.string()), "BMP");
}

// What the widget itself paints, transparent where it paints nothing.
inline QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline int countPixels(const QImage& image, const std::function<bool(QRgb)>& test,
                       QRect area = {}) {
    area = area.isNull() ? image.rect() : area & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

inline int countColour(const QImage& image, const QColor& colour, QRect area = {}) {
    return countPixels(
        image, [&](QRgb p) { return p == colour.rgb(); }, area);
}

}  // namespace sockwright::testing
