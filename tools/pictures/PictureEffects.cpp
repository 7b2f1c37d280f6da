#include "PictureEffects.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace sockwright::pictures {

namespace {

// A box blur of an alpha plane, run three times: close to a gaussian, and exact integer work.
std::vector<int> blurredAlpha(const QImage& drawing, int radius) {
    const int width = drawing.width();
    const int height = drawing.height();
    std::vector<int> alpha(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(drawing.constScanLine(y));
        for (int x = 0; x < width; ++x) alpha[y * width + x] = qAlpha(line[x]);
    }
    std::vector<int> scratch(alpha.size());
    const int span = 2 * radius + 1;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int sum = 0;
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sx = x + dx;
                    if (sx >= 0 && sx < width) sum += alpha[y * width + sx];
                }
                scratch[y * width + x] = sum / span;
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                int sum = 0;
                for (int dy = -radius; dy <= radius; ++dy) {
                    const int sy = y + dy;
                    if (sy >= 0 && sy < height) sum += scratch[sy * width + x];
                }
                alpha[y * width + x] = sum / span;
            }
        }
    }
    return alpha;
}

QImage blackOfSize(const QImage& drawing) {
    QImage image(drawing.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

}  // namespace

QImage PictureEffects::canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage PictureEffects::glowingOnBlack(const QImage& drawing, const QColor& glow, int radius) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    const std::vector<int> alpha = blurredAlpha(source, radius);
    QImage image = blackOfSize(source);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // A strong, short glow: the blurred edge is doubled before it is used.
            const int strength = std::min(255, alpha[y * image.width() + x] * 2);
            line[x] = qRgb(glow.red() * strength / 255, glow.green() * strength / 255,
                           glow.blue() * strength / 255);
        }
    }
    QPainter painter(&image);
    painter.drawImage(0, 0, source);
    return image;
}

QImage PictureEffects::glowOf(const QImage& drawing, const QColor& glow, int radius) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    const std::vector<int> alpha = blurredAlpha(source, radius);
    QImage layer(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < layer.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int strength = std::min(255, alpha[y * layer.width() + x] * 2);
            line[x] = qRgba(glow.red(), glow.green(), glow.blue(), strength * glow.alpha() / 255);
        }
    }
    return layer;
}

QImage PictureEffects::dimOnBlack(const QImage& drawing) {
    QImage image = onBlack(drawing);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey =
                (qRed(line[x]) * 30 + qGreen(line[x]) * 59 + qBlue(line[x]) * 11) / 100;
            const int dim = grey * 66 / 100;
            line[x] = qRgb(dim, dim, std::min(255, dim + dim / 16));
        }
    }
    return image;
}

QImage PictureEffects::onBlack(const QImage& drawing) {
    QImage image = blackOfSize(drawing);
    QPainter painter(&image);
    painter.drawImage(0, 0, drawing);
    return image;
}

}  // namespace sockwright::pictures
