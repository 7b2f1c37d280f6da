#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace sockwright::pictures {

// The lettering of the pictures: the skin's capital face at pixel sizes, so that a picture has
// the same pixels whatever the screen resolution of the machine that draws it.
class Lettering {
  public:
    // The skin face at this height in pixels, with letterSpacing extra pixels after each letter.
    static QFont font(int pixelSize, qreal letterSpacing = 0.0);

    // The largest pixel size, at most maxPixelSize, at which text fits into width.
    static int fittingPixelSize(const QString& text, qreal width, int maxPixelSize,
                                qreal letterSpacing = 0.0);

    // White capitals centred on the box, placed by the capital height rather than by ascent and
    // descent (so words without descenders sit in the true middle), fading a little towards
    // their feet and with a grey shadow one pixel down and right, as engraved lettering.
    static void drawEngravedWord(QPainter& painter, const QRectF& box, const QString& word,
                                 const QFont& font);

    // One line of text in a plain colour, centred on centreX, standing on baselineY.
    static void drawCentredLine(QPainter& painter, qreal centreX, qreal baselineY,
                                const QString& text, const QFont& font, const QColor& colour);

    // Small capitals: the first letter at capitalPixelSize, the rest as smaller capitals,
    // centred horizontally on centreX, standing on baselineY.
    static void drawSmallCapitals(QPainter& painter, qreal centreX, qreal baselineY,
                                  const QString& text, int capitalPixelSize, const QColor& colour);
};

}  // namespace sockwright::pictures
