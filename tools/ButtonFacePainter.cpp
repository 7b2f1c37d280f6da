#include "ButtonFacePainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "Lettering.h"
#include "MaterialPainter.h"
#include "PictureEffects.h"
#include "RuneGlyph.h"
#include "RuneStonePainter.h"

namespace sockwright::pictures {

namespace {

enum class Kind { Word, Arrow, Title, Question, Logo, Update };

struct Face {
    const char* name;
    int width;
    int height;
    Kind kind;
    const char* text;  // the word shown, or the arrow's direction
};

constexpr std::array<Face, 17> kFaces{{
    {"OK", 43, 28, Kind::Word, "OK"},
    {"Cancel", 108, 30, Kind::Word, "CANCEL"},
    {"Next", 16, 14, Kind::Arrow, "right"},
    {"Prev", 16, 14, Kind::Arrow, "left"},
    {"Up", 17, 11, Kind::Arrow, "up"},
    {"Down", 17, 11, Kind::Arrow, "down"},
    {"Logo", 116, 54, Kind::Logo, ""},
    {"Exit", 69, 29, Kind::Word, "EXIT"},
    {"Runes", 91, 30, Kind::Word, "RUNES"},
    {"Equipment", 167, 30, Kind::Word, "EQUIPMENT"},
    {"Title", 231, 46, Kind::Title, "SOCKWRIGHT"},
    {"About", 35, 56, Kind::Question, "?"},
    {"Character", 163, 30, Kind::Word, "CHARACTER"},
    {"Delete", 107, 30, Kind::Word, "DELETE"},
    {"New", 67, 30, Kind::Word, "NEW"},
    {"Edit", 70, 30, Kind::Word, "EDIT"},
    {"Update", 125, 42, Kind::Update, "UPDATE\nAVAILABLE"},
}};

const QColor kOlive(128, 128, 0);
const QColor kDullGold(176, 148, 76);
constexpr qreal kWordSpacing = 1.5;
constexpr int kWordMargin = 5;

const Face* find(const QString& name) {
    for (const Face& face : kFaces) {
        if (name == QLatin1String(face.name)) return &face;
    }
    return nullptr;
}

// One size for all the words on the buttons of one height, so that a row of them matches.
int wordPixelSize() {
    int size = 24;
    for (const Face& face : kFaces) {
        if (face.kind != Kind::Word) continue;
        size = std::min(size, Lettering::fittingPixelSize(face.text, face.width - 2 * kWordMargin,
                                                          24, kWordSpacing));
    }
    return size;
}

void paintWord(QPainter& painter, const Face& face) {
    Lettering::drawEngravedWord(painter, QRectF(0, 0, face.width, face.height), face.text,
                                Lettering::font(wordPixelSize(), kWordSpacing));
}

void paintUpdate(QPainter& painter, const Face& face) {
    const QString first = "UPDATE";
    const QString second = "AVAILABLE";
    const int size =
        Lettering::fittingPixelSize(second, face.width - 2 * kWordMargin, 18, kWordSpacing);
    const QFont font = Lettering::font(size, kWordSpacing);
    const qreal half = face.height / 2.0;
    Lettering::drawEngravedWord(painter, QRectF(0, 1, face.width, half), first, font);
    Lettering::drawEngravedWord(painter, QRectF(0, half - 1, face.width, half), second, font);
}

void paintArrow(QPainter& painter, const Face& face) {
    const qreal w = face.width;
    const qreal h = face.height;
    const QString direction = face.text;
    QPolygonF triangle;
    if (direction == "right")
        triangle << QPointF(2, 0.5) << QPointF(w - 1, h / 2) << QPointF(2, h - 0.5);
    if (direction == "left")
        triangle << QPointF(w - 2, 0.5) << QPointF(1, h / 2) << QPointF(w - 2, h - 0.5);
    if (direction == "up")
        triangle << QPointF(0.5, h - 1) << QPointF(w / 2, 1) << QPointF(w - 0.5, h - 1);
    if (direction == "down")
        triangle << QPointF(0.5, 1) << QPointF(w / 2, h - 1) << QPointF(w - 0.5, 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kOlive);
    painter.drawPolygon(triangle);
    painter.restore();
}

void paintTitle(QPainter& painter, const Face& face) {
    // BRANNOCH'S in small dull gold capitals over SOCKWRIGHT in large white ones.
    Lettering::drawCentredLine(painter, face.width / 2.0, 9, "BRANNOCH'S", Lettering::font(11, 3.0),
                               kDullGold);

    const QString title = face.text;
    int size = Lettering::fittingPixelSize(title, face.width - 6, 44, 1.0);
    QFont large = Lettering::font(size, 1.0);
    while (QFontMetricsF(large).capHeight() > face.height - 16 && size > 10) {
        large = Lettering::font(--size, 1.0);
    }
    Lettering::drawEngravedWord(painter, QRectF(0, 13, face.width, face.height - 14), title, large);
}

void paintQuestion(QPainter& painter, const Face& face) {
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
    shade.setColorAt(0.0, QColor(255, 255, 255));
    shade.setColorAt(1.0, QColor(206, 206, 206));
    painter.setBrush(shade);
    painter.drawPath(mark);
    painter.restore();
}

// The program's mark: a lit rune stone set in a socket in the blade of a sword lying across
// the logo, over the word RUNEWORDS.
void paintLogo(QPainter& painter, const Face& face) {
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

QStringList ButtonFacePainter::faceNames() {
    QStringList names;
    for (const Face& face : kFaces) names << face.name;
    return names;
}

QSize ButtonFacePainter::sizeOf(const QString& faceName) {
    const Face* face = find(faceName);
    return face ? QSize(face->width, face->height) : QSize();
}

QImage ButtonFacePainter::face(const QString& faceName) {
    const Face* face = find(faceName);
    if (!face) return {};
    QImage image(face->width, face->height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    switch (face->kind) {
        case Kind::Word:
            paintWord(painter, *face);
            break;
        case Kind::Arrow:
            paintArrow(painter, *face);
            break;
        case Kind::Title:
            paintTitle(painter, *face);
            break;
        case Kind::Question:
            paintQuestion(painter, *face);
            break;
        case Kind::Logo:
            paintLogo(painter, *face);
            break;
        case Kind::Update:
            paintUpdate(painter, *face);
            break;
    }
    return image;
}

}  // namespace sockwright::pictures
