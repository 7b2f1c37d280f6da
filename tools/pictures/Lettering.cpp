#include "Lettering.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright::pictures {

namespace {
// Small capitals are this share of the full capitals.
constexpr qreal kSmallCapitalScale = 0.78;
}  // namespace

QFont Lettering::font(int pixelSize, qreal letterSpacing) {
    QFont face = skinFont(textSize::kLabel);
    face.setPixelSize(pixelSize);
    face.setHintingPreference(QFont::PreferVerticalHinting);
    if (letterSpacing != 0.0) face.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return face;
}

int Lettering::fittingPixelSize(const QString& text, qreal width, int maxPixelSize,
                                qreal letterSpacing) {
    int size = maxPixelSize;
    while (size > 6) {
        QFontMetricsF metrics(font(size, letterSpacing));
        // The last letter's spacing lies outside the word.
        if (metrics.horizontalAdvance(text) - letterSpacing <= width) break;
        --size;
    }
    return size;
}

void Lettering::drawEngravedWord(QPainter& painter, const QRectF& box, const QString& word,
                                 const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(word) - font.letterSpacing();
    const qreal x = qRound(box.left() + (box.width() - width) / 2.0);
    const qreal baseline = qRound(box.top() + (box.height() + metrics.capHeight()) / 2.0);
    QPainterPath letters;
    letters.addText(QPointF(x, baseline), font, word);

    QLinearGradient shade(0, baseline - metrics.capHeight(), 0, baseline);
    shade.setColorAt(0.0, QColor(255, 255, 255));
    shade.setColorAt(1.0, QColor(206, 206, 206));
    // The face's strokes are thin for a game's heavy capitals: an outline in the letters' own
    // colours gives them weight.
    const qreal weight = font.pixelSize() >= 16 ? 0.7 : 0.3;
    const QColor shadow(70, 70, 70);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(shadow, weight));
    painter.setBrush(shadow);
    painter.drawPath(letters.translated(1, 1));
    painter.setPen(QPen(QBrush(shade), weight));
    painter.setBrush(shade);
    painter.drawPath(letters);
    painter.restore();
}

void Lettering::drawCentredLine(QPainter& painter, qreal centreX, qreal baselineY,
                                const QString& text, const QFont& font, const QColor& colour) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(text) - font.letterSpacing();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(qRound(centreX - width / 2.0), baselineY), text);
}

void Lettering::drawSmallCapitals(QPainter& painter, qreal centreX, qreal baselineY,
                                  const QString& text, int capitalPixelSize, const QColor& colour) {
    if (text.isEmpty()) return;
    const QFont large = font(capitalPixelSize);
    const QFont small = font(qRound(capitalPixelSize * kSmallCapitalScale));
    const QString first = text.left(1).toUpper();
    const QString rest = text.mid(1).toUpper();
    const qreal firstWidth = QFontMetricsF(large).horizontalAdvance(first);
    const qreal restWidth = QFontMetricsF(small).horizontalAdvance(rest);
    const qreal left = qRound(centreX - (firstWidth + restWidth) / 2.0);
    painter.setPen(colour);
    painter.setFont(large);
    painter.drawText(QPointF(left, baselineY), first);
    painter.setFont(small);
    painter.drawText(QPointF(left + firstWidth, baselineY), rest);
}

}  // namespace sockwright::pictures
