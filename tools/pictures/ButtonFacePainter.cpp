#include "ButtonFacePainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

#include "Lettering.h"
#include "MaterialPainter.h"
#include "PictureEffects.h"
#include "RuneGlyph.h"
#include "RuneStonePainter.h"
#include "ui/skin/SkinColours.h"

namespace sockwright::pictures {

namespace {

const QColor kDullGold(176, 148, 76);
constexpr qreal kWordSpacing = 1.5;
constexpr int kWordMargin = 5;

QString text(const ButtonFace& face) {
    return QString::fromLatin1(face.text.data(), static_cast<qsizetype>(face.text.size()));
}

// One size for all the words on the buttons of one height, so that a row of them matches.
int wordPixelSize() {
    int size = 24;
    for (const ButtonFace& face : kButtonFaces) {
        if (face.art != ButtonFaceArt::Word) continue;
        size = std::min(size, Lettering::fittingPixelSize(text(face), face.width - 2 * kWordMargin,
                                                          24, kWordSpacing));
    }
    return size;
}

void paintWord(QPainter& painter, const ButtonFace& face) {
    Lettering::drawEngravedWord(painter, QRectF(0, 0, face.width, face.height), text(face),
                                Lettering::font(wordPixelSize(), kWordSpacing));
}

void paintTwoLines(QPainter& painter, const ButtonFace& face) {
    const QStringList lines = text(face).split('\n');
    const QString& first = lines.front();
    const QString& second = lines.back();
    int size = 18;
    for (const QString& line : lines) {
        size = std::min(size, Lettering::fittingPixelSize(line, face.width - 2 * kWordMargin, 18,
                                                          kWordSpacing));
    }
    const QFont font = Lettering::font(size, kWordSpacing);
    const qreal half = face.height / 2.0;
    Lettering::drawEngravedWord(painter, QRectF(0, 1, face.width, half), first, font);
    Lettering::drawEngravedWord(painter, QRectF(0, half - 1, face.width, half), second, font);
}

void paintArrow(QPainter& painter, const ButtonFace& face) {
    const qreal w = face.width;
    const qreal h = face.height;
    QPolygonF triangle;
    switch (face.art) {
        case ButtonFaceArt::ArrowRight:
            triangle << QPointF(2, 0.5) << QPointF(w - 1, h / 2) << QPointF(2, h - 0.5);
            break;
        case ButtonFaceArt::ArrowLeft:
            triangle << QPointF(w - 2, 0.5) << QPointF(1, h / 2) << QPointF(w - 2, h - 0.5);
            break;
        case ButtonFaceArt::ArrowUp:
            triangle << QPointF(0.5, h - 1) << QPointF(w / 2, 1) << QPointF(w - 0.5, h - 1);
            break;
        case ButtonFaceArt::ArrowDown:
            triangle << QPointF(0.5, 1) << QPointF(w / 2, h - 1) << QPointF(w - 0.5, 1);
            break;
        default:
            break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOlive);
    painter.drawPolygon(triangle);
    painter.restore();
}

void paintTitle(QPainter& painter, const ButtonFace& face) {
    // BRANNOCH'S in small dull gold capitals over SOCKWRIGHT in large white ones.
    Lettering::drawCentredLine(painter, face.width / 2.0, 9, "BRANNOCH'S", Lettering::font(11, 3.0),
                               kDullGold);

    const QString title = text(face);
    int size = Lettering::fittingPixelSize(title, face.width - 6, 44, 1.0);
    QFont large = Lettering::font(size, 1.0);
    while (QFontMetricsF(large).capHeight() > face.height - 16 && size > 10) {
        large = Lettering::font(--size, 1.0);
    }
    Lettering::drawEngravedWord(painter, QRectF(0, 13, face.width, face.height - 14), title, large);
}

void paintQuestion(QPainter& painter, const ButtonFace& face) {
    // The largest question mark whose ink fits the face with a pixel to spare all round.
    const QRectF room(1, 1, face.width - 2, face.height - 2);
    int size = 80;
    QRectF ink;
    for (; size > 10; --size) {
        ink = QFontMetricsF(Lettering::font(size)).tightBoundingRect("?");
        if (ink.width() <= room.width() && ink.height() <= room.height()) break;
    }
    const QFont font = Lettering::font(size);
    const QPointF origin(qRound(room.left() + (room.width() - ink.width()) / 2.0 - ink.left()),
                         qRound(room.top() + (room.height() - ink.height()) / 2.0 - ink.top()));
    QPainterPath mark;
    mark.addText(origin, font, "?");
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 70, 70));
    painter.drawPath(mark.translated(1, 1));
    QLinearGradient shade(0, room.top(), 0, room.bottom());
    shade.setColorAt(0.0, kWhite);
    shade.setColorAt(1.0, QColor(206, 206, 206));
    painter.setBrush(shade);
    painter.drawPath(mark);
    painter.restore();
}

// The program's mark: a lit rune stone set in a socket in the blade of a sword lying across
// the logo, over the word RUNEWORDS.
void paintLogo(QPainter& painter, const ButtonFace& face) {
    QImage drawing = PictureEffects::canvas(face.width, face.height);
    {
        QPainter p(&drawing);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal axis = 21;
        // Blade, from the point at the left to the guard at the right.
        MaterialPainter::fill(p,
                              MaterialPainter::polygon({{4, axis},
                                                        {16, axis - 4.5},
                                                        {88, axis - 4.5},
                                                        {88, axis + 4.5},
                                                        {16, axis + 4.5}}),
                              Material::Steel);
        p.setPen(QPen(QColor(70, 76, 88), 1.0));
        p.drawLine(QPointF(16, axis), QPointF(40, axis));
        p.drawLine(QPointF(76, axis), QPointF(87, axis));
        MaterialPainter::fillAcross(
            p,
            MaterialPainter::polygon(
                {{88, axis - 13}, {93, axis - 11}, {93, axis + 11}, {88, axis + 13}}),
            Material::Gold);
        QPainterPath grip;
        grip.addRoundedRect(QRectF(93, axis - 2.6, 14, 5.2), 2, 2);
        MaterialPainter::fillAcross(p, grip, Material::Leather);
        QPainterPath pommel;
        pommel.addEllipse(QPointF(109.5, axis), 3.6, 3.6);
        MaterialPainter::fill(p, pommel, Material::Gold);
        // The socket with its stone.
        QPainterPath ring;
        ring.addEllipse(QPointF(58, axis), 15, 15);
        MaterialPainter::fill(p, ring, Material::Gold);
        const QPainterPath stone = RuneStonePainter::pebble(QRectF(47, axis - 10, 22, 20), 7);
        RuneStonePainter::paintStone(p, stone, 7, Light::Lit);
        const RuneGlyph mark = RuneGlyph::programMark();
        RuneStonePainter::paintGlyph(p, mark, QRectF(53.5, axis - 7, 9, 14), 1.8, Light::Lit);
    }
    painter.drawImage(0, 0, PictureEffects::glowingOnBlack(drawing, QColor(150, 110, 30), 2));
    Lettering::drawCentredLine(painter, face.width / 2.0, face.height - 3, "RUNEWORDS",
                               Lettering::font(11, 2.5), kDullGold);
}

}  // namespace

QImage ButtonFacePainter::face(const ButtonFace& face) {
    QImage image(face.width, face.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    switch (face.art) {
        case ButtonFaceArt::Word:
            paintWord(painter, face);
            break;
        case ButtonFaceArt::TwoLines:
            paintTwoLines(painter, face);
            break;
        case ButtonFaceArt::ArrowLeft:
        case ButtonFaceArt::ArrowRight:
        case ButtonFaceArt::ArrowUp:
        case ButtonFaceArt::ArrowDown:
            paintArrow(painter, face);
            break;
        case ButtonFaceArt::Title:
            paintTitle(painter, face);
            break;
        case ButtonFaceArt::Question:
            paintQuestion(painter, face);
            break;
        case ButtonFaceArt::Logo:
            paintLogo(painter, face);
            break;
    }
    return image;
}

}  // namespace sockwright::pictures
