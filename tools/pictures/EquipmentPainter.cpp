#include "EquipmentPainter.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <functional>
#include <map>

#include "MaterialPainter.h"
#include "PictureEffects.h"

namespace sockwright::pictures {

namespace {

using M = Material;
constexpr QColor kGlow(255, 188, 56);
constexpr int kGlowRadius = 2;

QPainterPath rod(qreal centreX, qreal top, qreal bottom, qreal width) {
    QPainterPath path;
    path.addRoundedRect(QRectF(centreX - width / 2, top, width, bottom - top), width / 2,
                        width / 2);
    return path;
}

QPainterPath rect(qreal x, qreal y, qreal width, qreal height, qreal radius = 0.8) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, width, height), radius, radius);
    return path;
}

QPainterPath circle(qreal x, qreal y, qreal radius) {
    QPainterPath path;
    path.addEllipse(QPointF(x, y), radius, radius);
    return path;
}

QPainterPath stroked(const QPainterPath& centreLine, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

QPainterPath mirrored(const QPainterPath& path) {
    return QTransform(-1, 0, 0, 1, EquipmentPainter::kWidth, 0).map(path);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.restore();
}

// A leather grip with its binding drawn across it.
void grip(QPainter& p, qreal centreX, qreal top, qreal bottom, qreal width) {
    MaterialPainter::fillAcross(p, rod(centreX, top, bottom, width), M::Leather);
    for (qreal y = top + 2.5; y < bottom - 1; y += 3) {
        line(p, {centreX - width / 2 + 0.6, y}, {centreX + width / 2 - 0.6, y - 1.6},
             QColor(20, 10, 2, 200), 0.8);
    }
}

void drawAxe(QPainter& p) {
    MaterialPainter::fillAcross(p, rod(20, 8, 77, 4.2), M::Wood);
    grip(p, 20, 60, 74, 4.8);
    MaterialPainter::fill(p, circle(20, 76, 2.6), M::DarkSteel);
    QPainterPath blade(QPointF(17, 14));
    blade.quadTo(12, 12, 8, 5);
    blade.quadTo(-1, 21, 6, 39);
    blade.quadTo(11, 30, 17, 26);
    blade.closeSubpath();
    MaterialPainter::fill(p, blade, M::Steel);
    MaterialPainter::fill(p, mirrored(blade), M::Steel);
    MaterialPainter::fill(p, rect(16.2, 11, 7.6, 18), M::DarkSteel);
    MaterialPainter::fill(p, rect(17.5, 6.5, 5, 5, 2), M::DarkSteel);
}

void drawClaw(QPainter& p) {
    QPainterPath side = rect(7.5, 48, 4, 27, 1.5);
    MaterialPainter::fillAcross(p, side, M::DarkSteel);
    MaterialPainter::fillAcross(p, mirrored(side), M::DarkSteel);
    MaterialPainter::fillAcross(p, rect(11, 57, 18, 4, 1.5), M::Leather);
    MaterialPainter::fillAcross(p, rect(11, 65, 18, 4, 1.5), M::Leather);
    QPainterPath outer(QPointF(8.5, 48));
    outer.quadTo(3.5, 32, 5, 11);
    outer.quadTo(10.5, 30, 14.5, 48);
    outer.closeSubpath();
    MaterialPainter::fill(p, outer, M::Steel);
    MaterialPainter::fill(p, mirrored(outer), M::Steel);
    MaterialPainter::fill(p, MaterialPainter::polygon({{16.5, 48}, {20, 3}, {23.5, 48}}), M::Steel);
    MaterialPainter::fillAcross(p, rect(6, 45, 28, 6, 2), M::Gold);
}

void drawDagger(QPainter& p) {
    MaterialPainter::fill(
        p, MaterialPainter::polygon({{16.5, 50}, {16.5, 24}, {20, 9}, {23.5, 24}, {23.5, 50}}),
        M::Steel);
    line(p, {20, 16}, {20, 48}, QColor(70, 76, 88, 200), 1.0);
    MaterialPainter::fillAcross(p, rect(8, 49, 24, 4.5, 2), M::Gold);
    MaterialPainter::fill(p, circle(8.5, 50, 2.6), M::Gold);
    MaterialPainter::fill(p, circle(31.5, 50, 2.6), M::Gold);
    grip(p, 20, 53.5, 67, 5);
    MaterialPainter::fill(p, circle(20, 70.5, 3.8), M::Gold);
    MaterialPainter::fill(p, circle(20, 70.5, 1.6), M::Ruby);
}

void drawMace(QPainter& p) {
    MaterialPainter::fillAcross(p, rod(20, 26, 74, 4), M::DarkSteel);
    grip(p, 20, 57, 72, 5.2);
    MaterialPainter::fill(p, circle(20, 75, 3), M::DarkSteel);
    QPainterPath flange = MaterialPainter::polygon({{15, 10}, {5, 16}, {5, 30}, {15, 36}});
    MaterialPainter::fill(p, flange, M::Steel);
    MaterialPainter::fill(p, mirrored(flange), M::Steel);
    MaterialPainter::fill(p, MaterialPainter::polygon({{16, 12}, {20, 2}, {24, 12}}), M::Steel);
    QPainterPath head;
    head.addEllipse(QRectF(12.5, 9, 15, 28));
    MaterialPainter::fill(p, head, M::Steel);
    line(p, {20, 12}, {20, 34}, QColor(60, 64, 74, 220), 1.2);
    MaterialPainter::fillAcross(p, rect(15.5, 35, 9, 3.5, 1.2), M::Gold);
}

void drawOrb(QPainter& p) {
    MaterialPainter::fillAcross(p, rod(20, 38, 68, 4), M::Gold);
    MaterialPainter::fillAcross(p, rect(16, 52, 8, 2.5, 1), M::Gold);
    QPainterPath foot;
    foot.addEllipse(QRectF(13, 66, 14, 7));
    MaterialPainter::fill(p, foot, M::Gold);
    MaterialPainter::fill(p, circle(20, 23, 13), M::Sapphire);
    // Light moving inside the glass.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 230, 255, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(12, 15, 16, 16), 200 * 16, 150 * 16);
    p.drawArc(QRectF(15, 18, 10, 10), 20 * 16, 160 * 16);
    p.restore();
    QPainterPath cup;
    cup.addEllipse(QRectF(13, 34, 14, 6));
    MaterialPainter::fill(p, cup, M::Gold);
    QPainterPath prong(QPointF(15, 37));
    prong.quadTo(7, 36, 7.5, 25);
    MaterialPainter::fill(p, stroked(prong, 2.6), M::Gold);
    MaterialPainter::fill(p, stroked(mirrored(prong), 2.6), M::Gold);
}

void drawPolearm(QPainter& p) {
    MaterialPainter::fillAcross(p, rod(20, 6, 78, 3.6), M::Wood);
    MaterialPainter::fillAcross(p, rod(20, 71, 79, 4.4), M::DarkSteel);
    MaterialPainter::fillAcross(p, rect(17.6, 10, 4.8, 24, 1), M::DarkSteel);
    QPainterPath blade(QPointF(18, 12));
    blade.quadTo(10, 10, 5, 6);
    blade.quadTo(-1, 22, 5, 38);
    blade.quadTo(11, 33, 18, 30);
    blade.closeSubpath();
    MaterialPainter::fill(p, blade, M::Steel);
    QPainterPath hook(QPointF(22, 14));
    hook.quadTo(30, 14, 35, 7);
    hook.quadTo(33, 19, 22, 24);
    hook.closeSubpath();
    MaterialPainter::fill(p, hook, M::Steel);
    MaterialPainter::fill(p, MaterialPainter::polygon({{17.6, 11}, {20, 1}, {22.4, 11}}), M::Steel);
}

void drawScepter(QPainter& p) {
    MaterialPainter::fillAcross(p, rod(20, 28, 72, 3.6), M::Gold);
    MaterialPainter::fillAcross(p, rect(16.5, 44, 7, 2.6, 1), M::Gold);
    MaterialPainter::fillAcross(p, rect(16.5, 58, 7, 2.6, 1), M::Gold);
    MaterialPainter::fill(p, circle(20, 74.5, 3.2), M::Gold);
    MaterialPainter::fill(p, MaterialPainter::polygon({{16, 14}, {20, 2}, {24, 14}}), M::Gold);
    QPainterPath arm = MaterialPainter::polygon({{14, 16}, {4, 20}, {14, 25}});
    MaterialPainter::fill(p, arm, M::Gold);
    MaterialPainter::fill(p, mirrored(arm), M::Gold);
    MaterialPainter::fill(p, MaterialPainter::polygon({{15, 26}, {25, 26}, {22, 33}, {18, 33}}),
                          M::Gold);
    MaterialPainter::fill(p, circle(20, 20.5, 8.5), M::Gold);
    MaterialPainter::fill(p, circle(20, 20.5, 4.6), M::Ruby);
}

void drawSpear(QPainter& p) {
    MaterialPainter::fillAcross(p, rod(20, 26, 76, 3.4), M::Wood);
    MaterialPainter::fill(p, MaterialPainter::polygon({{18.3, 74}, {20, 79.5}, {21.7, 74}}),
                          M::DarkSteel);
    QPainterPath head(QPointF(20, 2));
    head.cubicTo(26, 10, 27, 19, 20, 29);
    head.cubicTo(13, 19, 14, 10, 20, 2);
    MaterialPainter::fill(p, head, M::Steel);
    line(p, {20, 6}, {20, 27}, QColor(70, 76, 88, 220), 1.0);
    MaterialPainter::fillAcross(p, rect(17.4, 28, 5.2, 5, 1), M::Gold);
    MaterialPainter::fillAcross(p, rect(17.4, 48, 5.2, 3, 1), M::Leather);
}

void drawStaff(QPainter& p) {
    QPainterPath shaft(QPointF(20, 78));
    shaft.cubicTo(17, 64, 23, 50, 19.5, 36);
    shaft.cubicTo(18.5, 30, 20.5, 27, 20, 22);
    MaterialPainter::fill(p, stroked(shaft, 4.6), M::Wood);
    QPainterPath left(QPointF(19, 24));
    left.cubicTo(12, 20, 10, 12, 14, 5);
    QPainterPath right(QPointF(21, 24));
    right.cubicTo(28, 20, 30, 12, 26, 5);
    MaterialPainter::fill(p, circle(20, 13.5, 6), M::Emerald);
    MaterialPainter::fill(p, stroked(left, 3), M::Wood);
    MaterialPainter::fill(p, stroked(right, 3), M::Wood);
    MaterialPainter::fillAcross(p, rect(17, 42, 6, 2.4, 1), M::Gold);
}

void drawSword(QPainter& p) {
    MaterialPainter::fill(
        p, MaterialPainter::polygon({{16, 52}, {16, 13}, {20, 3}, {24, 13}, {24, 52}}), M::Steel);
    line(p, {20, 13}, {20, 50}, QColor(70, 76, 88, 220), 1.2);
    MaterialPainter::fillAcross(p, rect(5, 51, 30, 5, 2.4), M::Gold);
    grip(p, 20, 56, 70, 5);
    MaterialPainter::fill(p, circle(20, 73.5, 4), M::Gold);
    MaterialPainter::fill(p, circle(20, 73.5, 1.8), M::Ruby);
}

void drawWand(QPainter& p) {
    MaterialPainter::fillAcross(
        p, MaterialPainter::polygon({{17.8, 32}, {22.2, 32}, {21, 74}, {19, 74}}), M::Bone);
    MaterialPainter::fillAcross(p, rect(17.6, 46, 4.8, 2.4, 1), M::Gold);
    MaterialPainter::fillAcross(p, rect(18, 60, 4, 2.4, 1), M::Gold);
    MaterialPainter::fill(p, rect(15, 24, 10, 8, 2.5), M::Bone);
    QPainterPath skull;
    skull.addEllipse(QRectF(11.5, 9, 17, 17));
    MaterialPainter::fill(p, skull, M::Bone);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(26, 14, 8));
    p.drawEllipse(QRectF(13.6, 16, 5, 5));
    p.drawEllipse(QRectF(21.4, 16, 5, 5));
    p.drawPolygon(QPolygonF(QList<QPointF>{{20, 21.5}, {18.6, 24.5}, {21.4, 24.5}}));
    p.setBrush(QColor(255, 60, 30));
    p.drawEllipse(QPointF(16.1, 18.6), 1.1, 1.1);
    p.drawEllipse(QPointF(23.9, 18.6), 1.1, 1.1);
    p.setPen(QPen(QColor(60, 50, 30), 0.7));
    for (qreal x = 16.8; x < 24; x += 2.1) p.drawLine(QPointF(x, 27.5), QPointF(x, 31));
    p.restore();
}

QPainterPath bowLimb() {
    QPainterPath limb(QPointF(29, 3));
    limb.quadTo(26, 6, 22, 8);
    limb.cubicTo(4, 18, 4, 62, 22, 72);
    limb.quadTo(26, 74, 29, 77);
    return limb;
}

void drawBow(QPainter& p) {
    line(p, {28, 4.5}, {28, 75.5}, QColor(236, 226, 196), 0.9);
    MaterialPainter::fill(p, stroked(bowLimb(), 3.4), M::Wood);
    grip(p, 8.8, 33, 47, 5.2);
}

void drawCrossbow(QPainter& p) {
    MaterialPainter::fill(p,
                          MaterialPainter::polygon({{17.5, 18},
                                                    {22.5, 18},
                                                    {23, 56},
                                                    {26.5, 71},
                                                    {24.5, 78},
                                                    {15.5, 78},
                                                    {13.5, 71},
                                                    {17, 56}}),
                          M::Wood);
    line(p, {20, 20}, {20, 50}, QColor(40, 22, 8, 200), 1.0);
    QPainterPath trigger(QPointF(22.5, 50));
    trigger.quadTo(26, 54, 25, 60);
    MaterialPainter::fill(p, stroked(trigger, 1.6), M::DarkSteel);
    line(p, {2.5, 29}, {20, 36}, QColor(236, 226, 196), 0.9);
    line(p, {37.5, 29}, {20, 36}, QColor(236, 226, 196), 0.9);
    QPainterPath prod(QPointF(2, 30));
    prod.quadTo(20, 12, 38, 30);
    MaterialPainter::fill(p, stroked(prod, 3.4), M::DarkSteel);
    MaterialPainter::fillAcross(p, rect(16.5, 18, 7, 5, 1.5), M::DarkSteel);
    MaterialPainter::fillAcross(p, rod(20, 6, 36, 1.8), M::Wood);
    MaterialPainter::fill(p, MaterialPainter::polygon({{17.8, 10}, {20, 2}, {22.2, 10}}), M::Steel);
    MaterialPainter::fill(p, MaterialPainter::polygon({{20, 29}, {17, 35}, {20, 33}}), M::Cloth);
    MaterialPainter::fill(p, MaterialPainter::polygon({{20, 29}, {23, 35}, {20, 33}}), M::Cloth);
    MaterialPainter::fill(p, circle(20, 36, 1.8), M::Gold);
}

QPainterPath heater(qreal inset) {
    const qreal l = 4 + inset;
    const qreal r = 36 - inset;
    QPainterPath path(QPointF(l, 8 + inset));
    path.quadTo(20, 3 + inset, r, 8 + inset);
    path.lineTo(r, 40);
    path.cubicTo(r, 57, 28 - inset * 0.3, 67, 20, 77 - inset * 1.4);
    path.cubicTo(12 + inset * 0.3, 67, l, 57, l, 40);
    path.closeSubpath();
    return path;
}

void drawShield(QPainter& p) {
    MaterialPainter::fill(p, heater(0), M::Gold);
    MaterialPainter::fill(p, heater(2.6), M::Cloth);
    // A steel band down the middle and across, with a boss where they meet.
    p.save();
    p.setClipPath(heater(2.6));
    MaterialPainter::fillAcross(p, rect(17, 0, 6, 80, 0), M::Steel);
    MaterialPainter::fillAcross(p, rect(0, 26, 40, 6, 0), M::Steel);
    p.restore();
    MaterialPainter::fill(p, circle(20, 29, 5.5), M::Steel);
    MaterialPainter::fill(p, circle(20, 29, 2.2), M::Gold);
}

void drawHelmBody(QPainter& p) {
    QPainterPath dome(QPointF(7, 58));
    dome.lineTo(7, 34);
    dome.cubicTo(7, 18, 33, 18, 33, 34);
    dome.lineTo(33, 58);
    dome.quadTo(20, 62, 7, 58);
    dome.closeSubpath();
    MaterialPainter::fill(p, dome, M::Steel);
    MaterialPainter::fillAcross(p, rect(7, 31, 26, 3, 1), M::Gold);
    MaterialPainter::fillAcross(p, rect(18.8, 22, 2.4, 37, 1), M::DarkSteel);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 10));
    p.drawRoundedRect(QRectF(9.5, 37, 8.5, 3.2), 1, 1);
    p.drawRoundedRect(QRectF(22, 37, 8.5, 3.2), 1, 1);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            p.drawEllipse(QPointF(12 + column * 3.2, 46 + row * 3.4), 0.9, 0.9);
            p.drawEllipse(QPointF(28 - column * 3.2, 46 + row * 3.4), 0.9, 0.9);
        }
    }
    p.restore();
}

void drawHelm(QPainter& p) {
    p.save();
    p.translate(0, 6);
    QPainterPath plume(QPointF(19, 22));
    plume.cubicTo(13, 12, 22, 3, 33, 6);
    plume.cubicTo(28, 10, 27, 16, 23, 22);
    plume.closeSubpath();
    MaterialPainter::fill(p, plume, M::Cloth);
    drawHelmBody(p);
    p.restore();
}

void drawArmour(QPainter& p) {
    QPainterPath body(QPointF(11, 12));
    body.quadTo(20, 18, 29, 12);
    body.lineTo(36, 17);
    body.lineTo(33, 31);
    body.lineTo(31, 58);
    body.quadTo(20, 62, 9, 58);
    body.lineTo(7, 31);
    body.lineTo(4, 17);
    body.closeSubpath();
    MaterialPainter::fill(p, body, M::Steel);
    line(p, {20, 18}, {20, 56}, QColor(80, 86, 98, 200), 1.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 76, 88, 200), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 36, 22, 10), 200 * 16, 140 * 16);
    p.drawArc(QRectF(9, 42, 22, 10), 200 * 16, 140 * 16);
    p.setPen(QPen(MaterialPainter::lightOf(M::Gold), 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath neck(QPointF(11, 12));
    neck.quadTo(20, 18, 29, 12);
    p.drawPath(neck);
    p.restore();
    QPainterPath shoulder(QPointF(3, 30));
    shoulder.cubicTo(-1, 18, 6, 10, 15, 14);
    shoulder.lineTo(11, 27);
    shoulder.closeSubpath();
    MaterialPainter::fill(p, shoulder, M::Steel);
    MaterialPainter::fill(p, mirrored(shoulder), M::Steel);
    MaterialPainter::fillAcross(p, rect(8.5, 56, 23, 4.5, 1), M::Leather);
    MaterialPainter::fill(p, rect(18, 56.5, 4, 3.5, 0.8), M::Gold);
    QPainterPath tasset = MaterialPainter::polygon({{9, 61}, {19, 61}, {18.5, 73}, {10, 70}});
    MaterialPainter::fill(p, tasset, M::Steel);
    MaterialPainter::fill(p, mirrored(tasset), M::Steel);
}

void drawDefense(QPainter& p) {
    p.save();
    p.translate(-3, -8);
    p.scale(0.85, 0.85);
    drawHelmBody(p);
    p.restore();
    p.save();
    p.translate(12, 24);
    p.scale(0.68, 0.68);
    drawShield(p);
    p.restore();
}

void drawMelee(QPainter& p) {
    const auto crossed = [&](qreal angle, const std::function<void(QPainter&)>& draw) {
        p.save();
        p.translate(20, 41);
        p.rotate(angle);
        p.scale(0.8, 0.8);
        p.translate(-20, -40);
        draw(p);
        p.restore();
    };
    crossed(-24, drawAxe);
    crossed(24, drawSword);
}

void drawRange(QPainter& p) {
    drawBow(p);
    // An arrow across the bow, its head up and to the right.
    p.save();
    p.translate(20, 40);
    p.rotate(24);
    p.translate(-20, -40);
    MaterialPainter::fillAcross(p, rod(20, 6, 76, 1.8), M::Wood);
    MaterialPainter::fill(p, MaterialPainter::polygon({{17.4, 11}, {20, 1}, {22.6, 11}}), M::Steel);
    MaterialPainter::fill(p, MaterialPainter::polygon({{19.6, 62}, {16, 70}, {16, 76}, {19.6, 70}}),
                          M::Cloth);
    MaterialPainter::fill(p, MaterialPainter::polygon({{20.4, 62}, {24, 70}, {24, 76}, {20.4, 70}}),
                          M::Cloth);
    p.restore();
}

const std::map<QString, std::function<void(QPainter&)>>& drawings() {
    static const std::map<QString, std::function<void(QPainter&)>> table{
        {"axe", drawAxe},           {"claw", drawClaw},       {"dagger", drawDagger},
        {"mace", drawMace},         {"orb", drawOrb},         {"polearm", drawPolearm},
        {"scepter", drawScepter},   {"spear", drawSpear},     {"staff", drawStaff},
        {"sword", drawSword},       {"wand", drawWand},       {"bow", drawBow},
        {"crossbow", drawCrossbow}, {"shield", drawShield},   {"helm", drawHelm},
        {"armour", drawArmour},     {"defense", drawDefense}, {"melee", drawMelee},
        {"range", drawRange},
    };
    return table;
}

}  // namespace

bool EquipmentPainter::drawItem(QPainter& painter, const QString& baseName) {
    const auto found = drawings().find(baseName);
    if (found == drawings().end()) return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter);
    painter.restore();
    return true;
}

QImage EquipmentPainter::item(const QString& baseName) {
    QImage canvas = PictureEffects::canvas(kWidth, kHeight);
    QPainter painter(&canvas);
    if (!drawItem(painter, baseName)) return {};
    return canvas;
}

QImage EquipmentPainter::equipment(const QString& baseName, Light light) {
    const QImage drawing = item(baseName);
    if (drawing.isNull()) return {};
    return light == Light::Lit ? PictureEffects::glowingOnBlack(drawing, kGlow, kGlowRadius)
                               : PictureEffects::dimOnBlack(drawing);
}

}  // namespace sockwright::pictures
