#include "MaterialPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

namespace sockwright::pictures {

namespace {

struct Shades {
    QColor light, dark, edge;
};

Shades shadesOf(Material material) {
    switch (material) {
        case Material::Steel:
            return {QColor(232, 236, 242), QColor(104, 110, 122), QColor(36, 38, 44)};
        case Material::DarkSteel:
            return {QColor(150, 154, 162), QColor(52, 54, 60), QColor(20, 20, 24)};
        case Material::Gold:
            return {QColor(255, 226, 130), QColor(150, 100, 26), QColor(70, 44, 8)};
        case Material::Wood:
            return {QColor(176, 120, 64), QColor(84, 50, 22), QColor(40, 22, 8)};
        case Material::Leather:
            return {QColor(130, 82, 46), QColor(60, 34, 16), QColor(28, 14, 4)};
        case Material::Bone:
            return {QColor(246, 238, 212), QColor(150, 138, 110), QColor(60, 52, 36)};
        case Material::Ruby:
            return {QColor(255, 110, 100), QColor(130, 8, 12), QColor(60, 0, 0)};
        case Material::Sapphire:
            return {QColor(150, 190, 255), QColor(24, 40, 150), QColor(8, 12, 60)};
        case Material::Emerald:
            return {QColor(150, 255, 160), QColor(10, 110, 40), QColor(0, 50, 16)};
        case Material::Cloth:
            return {QColor(210, 40, 36), QColor(96, 8, 8), QColor(40, 0, 0)};
    }
    return {Qt::white, Qt::gray, Qt::black};
}

void paint(QPainter& painter, const QPainterPath& part, Material material, const QBrush& brush) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(shadesOf(material).edge, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(brush);
    painter.drawPath(part);
    painter.restore();
}

}  // namespace

QColor MaterialPainter::lightOf(Material material) {
    return shadesOf(material).light;
}

void MaterialPainter::fill(QPainter& painter, const QPainterPath& part, Material material) {
    const Shades shades = shadesOf(material);
    const QRectF box = part.boundingRect();
    const bool gem = material == Material::Ruby || material == Material::Sapphire ||
                     material == Material::Emerald;
    if (gem) {
        QRadialGradient sparkle(box.left() + box.width() * 0.35, box.top() + box.height() * 0.3,
                                std::max(box.width(), box.height()) * 0.8);
        sparkle.setColorAt(0.0, Qt::white);
        sparkle.setColorAt(0.25, shades.light);
        sparkle.setColorAt(1.0, shades.dark);
        paint(painter, part, material, sparkle);
        return;
    }
    QLinearGradient sheen(box.topLeft(), box.bottomRight());
    sheen.setColorAt(0.0, shades.light);
    sheen.setColorAt(0.45, shades.light.darker(115));
    sheen.setColorAt(1.0, shades.dark);
    paint(painter, part, material, sheen);
}

void MaterialPainter::fillAcross(QPainter& painter, const QPainterPath& part, Material material) {
    const Shades shades = shadesOf(material);
    const QRectF box = part.boundingRect();
    const bool tall = box.height() >= box.width();
    QLinearGradient sheen = tall ? QLinearGradient(box.left(), 0, box.right(), 0)
                                 : QLinearGradient(0, box.top(), 0, box.bottom());
    sheen.setColorAt(0.0, shades.dark);
    sheen.setColorAt(0.35, shades.light);
    sheen.setColorAt(1.0, shades.dark);
    paint(painter, part, material, sheen);
}

QPainterPath MaterialPainter::polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

}  // namespace sockwright::pictures
