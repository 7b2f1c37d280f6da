#include "RuneStonePainter.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "Lettering.h"

namespace sockwright::pictures {

namespace {

// Values 0..1 from a seed and an index, the same on every machine.
double noise(std::uint64_t seed, int index) {
    std::uint64_t z =
        seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(index) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 31)) * 0x94D049BB133111EBULL;
    z ^= z >> 29;
    return static_cast<double>(z % 10007) / 10006.0;
}

struct StonePalette {
    QColor light, dark, rim, speckle, groove, grooveEdge, glow, glowCore;
};

StonePalette palette(Light light) {
    if (light == Light::Lit) {
        return {QColor(204, 152, 64),  QColor(78, 48, 10),   QColor(46, 28, 4),
                QColor(250, 214, 130), QColor(70, 40, 6),    QColor(255, 224, 140),
                QColor(255, 196, 70),  QColor(255, 252, 226)};
    }
    return {QColor(104, 102, 98), QColor(40, 39, 37),    QColor(14, 14, 14), QColor(130, 128, 122),
            QColor(16, 16, 16),   QColor(132, 130, 124), QColor(),           QColor()};
}

// The rune's name under its stone: gold when lit, grey when dim.
QColor nameColour(Light light) {
    return light == Light::Lit ? QColor(240, 200, 96) : QColor(150, 150, 150);
}

}  // namespace

QPainterPath RuneStonePainter::pebble(const QRectF& box, std::uint64_t seed) {
    // Eight points round an ellipse, each pushed in or out a little, joined by curves through the
    // midpoints: a worn stone, a little different for every rune.
    constexpr int kPoints = 8;
    const QPointF centre = box.center();
    QPointF corners[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        const double angle = (i + 0.5) * 2.0 * std::numbers::pi / kPoints;
        const double spread = 1.10 + 0.10 * (noise(seed, i) - 0.5);
        corners[i] = centre + QPointF(std::cos(angle) * box.width() / 2.0 * spread,
                                      std::sin(angle) * box.height() / 2.0 * spread);
    }
    auto mid = [&](int i) { return (corners[i % kPoints] + corners[(i + 1) % kPoints]) / 2.0; };
    QPainterPath path(mid(0));
    for (int i = 1; i <= kPoints; ++i) path.quadTo(corners[i % kPoints], mid(i));
    path.closeSubpath();
    return path;
}

void RuneStonePainter::paintStone(QPainter& painter, const QPainterPath& stone, std::uint64_t seed,
                                  Light light) {
    const StonePalette colours = palette(light);
    const QRectF box = stone.boundingRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Light falls from the upper left.
    QRadialGradient body(box.left() + box.width() * 0.38, box.top() + box.height() * 0.32,
                         box.width() * 0.75);
    body.setColorAt(0.0, colours.light);
    body.setColorAt(1.0, colours.dark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(stone);

    // Grain: a few lighter and darker flecks inside the stone.
    painter.setClipPath(stone);
    const int flecks = static_cast<int>(box.width() * box.height() / 14.0);
    for (int i = 0; i < flecks; ++i) {
        const QPointF at(box.left() + noise(seed, 100 + i) * box.width(),
                         box.top() + noise(seed, 400 + i) * box.height());
        QColor fleck = (i % 2 == 0) ? colours.speckle : colours.rim;
        fleck.setAlpha(60);
        painter.setBrush(fleck);
        painter.drawRect(QRectF(at, QSizeF(1, 1)));
    }
    painter.setClipping(false);

    // A dark rim round the stone and a bright edge where the light catches it.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.rim, 1.0));
    painter.drawPath(stone);
    QColor edge = colours.speckle;
    edge.setAlpha(150);
    painter.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap));
    const qreal inset = 1.5;
    painter.drawArc(box.adjusted(inset, inset, -inset, -inset), 100 * 16, 70 * 16);
    painter.restore();
}

void RuneStonePainter::paintGlyph(QPainter& painter, const RuneGlyph& glyph, const QRectF& box,
                                  qreal grooveWidth, Light light) {
    const StonePalette colours = palette(light);
    const std::vector<QLineF> lines = glyph.strokes(box);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    auto stroke = [&](const QColor& colour, qreal width, QPointF offset) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const QLineF& line : lines) painter.drawLine(line.translated(offset));
    };
    if (light == Light::Lit) {
        // The carved mark glows: a soft halo, then the bright core.
        QColor halo = colours.glow;
        halo.setAlpha(70);
        stroke(QColor(40, 22, 0, 150), grooveWidth * 1.2, {0.8, 0.8});
        stroke(halo, grooveWidth * 2.6, {0, 0});
        stroke(colours.glow, grooveWidth * 1.3, {0, 0});
        stroke(colours.glowCore, grooveWidth * 0.75, {0, 0});
    } else {
        // A groove: its lower right wall catches the light, its floor lies in shadow.
        QColor wall = colours.grooveEdge;
        wall.setAlpha(170);
        stroke(wall, grooveWidth, {0.8, 0.8});
        stroke(colours.groove, grooveWidth, {0, 0});
    }
    painter.restore();
}

QImage RuneStonePainter::runeStone(const RuneGlyph& glyph, const QString& name, std::uint64_t seed,
                                   Light light) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QPainterPath stone = pebble(QRectF(3.5, 1.5, 29, 25), seed);
    paintStone(painter, stone, seed, light);
    paintGlyph(painter, glyph, QRectF(12, 5, 12, 17), 1.7, light);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Lettering::drawSmallCapitals(painter, kSize / 2.0, 35, name, 9, nameColour(light));
    return image;
}

QImage RuneStonePainter::blankSocket(Light light) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(18, 18);

    // The socket's metal ring.
    const bool lit = light == Light::Lit;
    QRadialGradient ring(centre + QPointF(-5, -6), 22);
    ring.setColorAt(0.0, lit ? QColor(250, 214, 120) : QColor(120, 118, 112));
    ring.setColorAt(1.0, lit ? QColor(110, 72, 20) : QColor(34, 34, 32));
    painter.setPen(QPen(lit ? QColor(60, 36, 6) : QColor(12, 12, 12), 1.0));
    painter.setBrush(ring);
    painter.drawEllipse(centre, 15.5, 15.5);

    // The hole, darkest at its upper left where the ring throws its shadow.
    QRadialGradient hole(centre + QPointF(2.5, 3), 12);
    hole.setColorAt(0.0, lit ? QColor(96, 62, 14) : QColor(40, 40, 40));
    hole.setColorAt(0.7, lit ? QColor(40, 22, 2) : QColor(14, 14, 14));
    hole.setColorAt(1.0, QColor(0, 0, 0));
    painter.setPen(QPen(lit ? QColor(255, 236, 170, 160) : QColor(150, 148, 140, 120), 1.0));
    painter.setBrush(hole);
    painter.drawEllipse(centre, 10.5, 10.5);

    // Shadow along the inner upper left of the hole.
    painter.setPen(QPen(QColor(0, 0, 0, 200), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 9, centre.y() - 9, 18, 18), 80 * 16, 110 * 16);
    return image;
}

}  // namespace sockwright::pictures
