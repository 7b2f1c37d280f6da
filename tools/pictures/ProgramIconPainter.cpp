#include "ProgramIconPainter.h"

#include <QPainter>
#include <QRadialGradient>

#include "MaterialPainter.h"
#include "PictureEffects.h"
#include "RuneGlyph.h"
#include "RuneStonePainter.h"
#include "ui/skin/SkinColours.h"

namespace sockwright::pictures {

QImage ProgramIconPainter::icon() {
    QImage image = PictureEffects::canvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The tile.
    const QRectF tile(8, 8, kSize - 16, kSize - 16);
    QRadialGradient ground(tile.center() + QPointF(-30, -40), 200);
    ground.setColorAt(0.0, QColor(40, 36, 28));
    ground.setColorAt(1.0, QColor(4, 4, 2));
    painter.setBrush(ground);
    painter.setPen(QPen(kOlive, 6));
    painter.drawRoundedRect(tile, 36, 36);

    // The socket: a gold ring with a dark hollow, and a warm light spilling from the stone.
    const QPointF centre(128, 128);
    QRadialGradient light(centre, 110);
    light.setColorAt(0.0, QColor(255, 190, 60, 120));
    light.setColorAt(1.0, QColor(255, 190, 60, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(centre, 110, 110);
    QPainterPath ring;
    ring.addEllipse(centre, 92, 92);
    MaterialPainter::fill(painter, ring, Material::Gold);
    painter.setBrush(QColor(12, 8, 2));
    painter.drawEllipse(centre, 76, 76);

    const QPainterPath stone = RuneStonePainter::pebble(QRectF(62, 66, 132, 124), 7);
    RuneStonePainter::paintStone(painter, stone, 7, Light::Lit);
    const RuneGlyph mark = RuneGlyph::programMark();
    RuneStonePainter::paintGlyph(painter, mark, QRectF(104, 86, 48, 84), 9, Light::Lit);
    return image;
}

QImage ProgramIconPainter::icon(int size) {
    const QImage large = icon();
    if (size == kSize) return large;
    return large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace sockwright::pictures
