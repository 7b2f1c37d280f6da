#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <cstdint>

#include "Light.h"
#include "RuneGlyph.h"

class QPainter;

namespace sockwright::pictures {

// Rune stones and empty sockets, 36 x 36 pixels on black: an engraved pebble carrying the rune's
// mark with the rune's name in small capitals below it.
class RuneStonePainter {
  public:
    static constexpr int kSize = 36;

    static QImage runeStone(const RuneGlyph& glyph, const QString& name, std::uint64_t seed,
                            Light light);
    static QImage blankSocket(Light light);

    // The pieces, for the larger pictures that show a rune stone (logo, program icon).
    static QPainterPath pebble(const QRectF& box, std::uint64_t seed);
    static void paintStone(QPainter& painter, const QPainterPath& stone, std::uint64_t seed,
                           Light light);
    static void paintGlyph(QPainter& painter, const RuneGlyph& glyph, const QRectF& box,
                           qreal grooveWidth, Light light);
};

}  // namespace sockwright::pictures
