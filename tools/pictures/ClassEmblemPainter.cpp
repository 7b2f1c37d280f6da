#include "ClassEmblemPainter.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

#include "EquipmentPainter.h"
#include "MaterialPainter.h"
#include "PictureEffects.h"
#include "model/CharacterClass.h"
#include "ui/skin/SkinColours.h"

namespace sockwright::pictures {

namespace {

using M = Material;
constexpr QPointF kCentre(32, 32);

void medallion(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ground(kCentre + QPointF(-6, -8), 34);
    ground.setColorAt(0.0, QColor(52, 48, 40));
    ground.setColorAt(1.0, QColor(8, 8, 6));
    p.setBrush(ground);
    p.setPen(Qt::NoPen);
    p.drawEllipse(kCentre, 28.5, 28.5);
    QRadialGradient ring(kCentre + QPointF(-10, -12), 50);
    ring.setColorAt(0.0, QColor(214, 176, 92));
    ring.setColorAt(1.0, QColor(88, 60, 18));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(ring), 2.4));
    p.drawEllipse(kCentre, 28, 28);
    p.setPen(QPen(kOlive, 1.0));
    p.drawEllipse(kCentre, 25.5, 25.5);
    p.restore();
}

// An equipment drawing (40 x 80 units) centred on the medallion, turned and scaled.
void item(QPainter& p, const char* baseName, qreal angle, qreal scale, QPointF shift = {}) {
    p.save();
    p.translate(kCentre + shift);
    p.rotate(angle);
    p.scale(scale, scale);
    p.translate(-EquipmentPainter::kWidth / 2.0, -EquipmentPainter::kHeight / 2.0);
    EquipmentPainter::drawItem(p, baseName);
    p.restore();
}

void amazon(QPainter& p) {
    item(p, "bow", -30, 0.7);
    item(p, "spear", 36, 0.74);
}

void assassin(QPainter& p) {
    item(p, "claw", 0, 0.7, {0, -1});
}

void barbarian(QPainter& p) {
    item(p, "axe", -32, 0.62);
    item(p, "axe", 32, 0.62);
}

void druid(QPainter& p) {
    // A bear's paw: the pad, four toes and their claws.
    QPainterPath pad;
    pad.moveTo(32, 30);
    pad.cubicTo(44, 30, 47, 42, 43, 46);
    pad.cubicTo(39, 50, 36, 46, 32, 47);
    pad.cubicTo(28, 46, 25, 50, 21, 46);
    pad.cubicTo(17, 42, 20, 30, 32, 30);
    MaterialPainter::fill(p, pad, M::Wood);
    const QPointF toes[] = {{18, 26}, {26, 19}, {38, 19}, {46, 26}};
    for (const QPointF& toe : toes) {
        const QPointF outward = (toe - QPointF(32, 40)) / 3.2;
        const QPointF tip = toe + outward * 1.35;
        MaterialPainter::fill(
            p, MaterialPainter::polygon({toe + QPointF(-2, -1), tip, toe + QPointF(2, -1)}),
            M::Bone);
        QPainterPath pawToe;
        pawToe.addEllipse(toe, 4.4, 5.2);
        MaterialPainter::fill(p, pawToe, M::Wood);
    }
}

void necromancer(QPainter& p) {
    QPainterPath skull(QPointF(32, 13));
    skull.cubicTo(45, 13, 49, 24, 46, 34);
    skull.cubicTo(45, 38, 42, 39, 41, 42);
    skull.lineTo(41, 48);
    skull.quadTo(32, 52, 23, 48);
    skull.lineTo(23, 42);
    skull.cubicTo(22, 39, 19, 38, 18, 34);
    skull.cubicTo(15, 24, 19, 13, 32, 13);
    MaterialPainter::fill(p, skull, M::Bone);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 12, 6));
    p.drawEllipse(QRectF(21.5, 27, 8.5, 8));
    p.drawEllipse(QRectF(34, 27, 8.5, 8));
    p.drawPolygon(QPolygonF(QList<QPointF>{{32, 36}, {29.6, 41}, {34.4, 41}}));
    p.setBrush(QColor(120, 255, 140));
    p.drawEllipse(QPointF(25.8, 31), 1.5, 1.5);
    p.drawEllipse(QPointF(38.2, 31), 1.5, 1.5);
    p.setPen(QPen(QColor(60, 50, 30), 0.9));
    for (qreal x = 26.5; x < 38; x += 2.75) p.drawLine(QPointF(x, 44), QPointF(x, 49.5));
    p.restore();
}

void sorceress(QPainter& p) {
    // A flame in three tongues, hot at its heart.
    auto tongue = [](qreal scale, qreal lean) {
        QPainterPath flame(QPointF(32, 52));
        flame.cubicTo(32 - 14 * scale, 52, 32 - 16 * scale, 38, 32 - 8 * scale,
                      28 + (1 - scale) * 10);
        flame.cubicTo(32 - 4 * scale, 22, 32 + lean - 6, 18, 32 + lean, 52 - 42 * scale);
        flame.cubicTo(32 + lean + 8 * scale, 22, 32 + 16 * scale, 32, 32 + 13 * scale, 42);
        flame.cubicTo(32 + 11 * scale, 50, 32 + 6 * scale, 52, 32, 52);
        return flame;
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 20, 0), 0.8));
    p.setBrush(QColor(214, 52, 10));
    p.drawPath(tongue(1.0, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 30));
    p.drawPath(
        QTransform().translate(32, 52).scale(0.72, 0.72).translate(-32, -52).map(tongue(1.0, -2)));
    p.setBrush(QColor(255, 236, 150));
    p.drawPath(
        QTransform().translate(32, 52).scale(0.42, 0.42).translate(-32, -52).map(tongue(1.0, 2)));
    p.restore();
}

void paladin(QPainter& p) {
    QPainterPath shield(QPointF(17, 14));
    shield.quadTo(32, 10, 47, 14);
    shield.lineTo(47, 32);
    shield.cubicTo(47, 44, 39, 50, 32, 55);
    shield.cubicTo(25, 50, 17, 44, 17, 32);
    shield.closeSubpath();
    MaterialPainter::fill(p, shield, M::Gold);
    const QTransform inset = QTransform().translate(32, 32).scale(0.86, 0.88).translate(-32, -32.5);
    MaterialPainter::fill(p, inset.map(shield), M::Sapphire);
    p.save();
    p.setClipPath(inset.map(shield));
    MaterialPainter::fillAcross(
        p, MaterialPainter::polygon({{29.5, 10}, {34.5, 10}, {34.5, 56}, {29.5, 56}}), M::Gold);
    MaterialPainter::fillAcross(
        p, MaterialPainter::polygon({{16, 24}, {48, 24}, {48, 29}, {16, 29}}), M::Gold);
    p.restore();
}

void warlock(QPainter& p) {
    // A grimoire: a leather-bound book with gold corners, a demonic sigil glowing on its cover.
    p.save();
    p.translate(kCentre);
    p.rotate(-8);
    p.translate(-kCentre);
    MaterialPainter::fillAcross(
        p, MaterialPainter::polygon({{19, 14}, {23, 13}, {23, 52}, {19, 51}}), M::DarkSteel);
    QPainterPath cover;
    cover.addRoundedRect(QRectF(22, 13, 24, 39), 2.5, 2.5);
    MaterialPainter::fill(p, cover, M::Leather);
    for (const QPointF& corner : {QPointF(46, 13), QPointF(46, 52)}) {
        const qreal down = corner.y() < 30 ? 1 : -1;
        MaterialPainter::fill(p,
                              MaterialPainter::polygon(
                                  {corner, corner + QPointF(-7, 0), corner + QPointF(0, 7 * down)}),
                              M::Gold);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(MaterialPainter::lightOf(M::Gold), 0.9));
    p.drawRoundedRect(QRectF(24.5, 15.5, 19, 34), 1.5, 1.5);
    // The sigil: a ring around a five-pointed star, drawn in one stroke.
    const QPointF sigil(34, 32.5);
    p.setPen(QPen(QColor(150, 255, 120), 1.1));
    p.drawEllipse(sigil, 7.5, 7.5);
    QPolygonF star;
    for (int point = 0; point < 5; ++point) {
        const qreal angle = qDegreesToRadians(-90.0 + point * 144.0);
        star << sigil + QPointF(6.6 * std::cos(angle), 6.6 * std::sin(angle));
    }
    p.drawPolygon(star);
    p.restore();
}

using Draw = void (*)(QPainter&);
constexpr Draw kEmblems[] = {amazon,      assassin,  barbarian, druid,
                             necromancer, sorceress, paladin,   warlock};
static_assert(std::size(kEmblems) == sockwright::kCharacterClassNames.size());

}  // namespace

QImage ClassEmblemPainter::emblem(int classIndex) {
    if (!isCharacterClass(classIndex)) return {};
    // The emblem first alone, so that a faint glow can lift it off the medallion's dark ground.
    QImage emblem = PictureEffects::canvas(kWidth, kHeight);
    {
        QPainter painter(&emblem);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRegion(QRegion(QRect(7, 7, 50, 50), QRegion::Ellipse));
        kEmblems[classIndex](painter);
    }
    QImage drawing = PictureEffects::canvas(kWidth, kHeight);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    medallion(painter);
    painter.save();
    painter.setClipRegion(QRegion(QRect(6, 6, 52, 52), QRegion::Ellipse));
    painter.drawImage(0, 0, PictureEffects::glowOf(emblem, QColor(255, 200, 110, 110), 2));
    painter.restore();
    painter.drawImage(0, 0, emblem);
    painter.end();
    return PictureEffects::onBlack(drawing);
}

}  // namespace sockwright::pictures
