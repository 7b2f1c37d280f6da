#include "ui/skin/CharacterCard.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <algorithm>
#include <string>

#include "model/Account.h"
#include "model/Character.h"
#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "ui/skin/ElidedText.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {

namespace {

// The text starts 75 pixels in and 20 down, one line every 16 pixels; the picture is drawn one
// pixel in from the corner.
constexpr int kTextLeft = 75;
constexpr int kTextTop = 20;
constexpr int kLineHeight = 16;
constexpr int kTextMargin = 8;  // right of the widest line
constexpr int kFramePixels = 3;
// Below the last line: the selection frame and a little air.
constexpr int kFrameRoom = 6;
constexpr int kPictureRoom = 6;  // the tallest picture, one pixel down, and air below it
constexpr int kFontSize = textSize::kLabel;
constexpr QSize kLeastSize(290, 70);
constexpr int kHighestLevel = 99;

// "LEVEL 12 SORCERESS"; "?" for a class outside the table.
QString levelLine(int level, int characterClass) {
    return QStringLiteral("LEVEL %1 %2")
        .arg(level)
        .arg(QLatin1String(characterClassName(characterClass)));
}

QString typeLine(int characterType) {
    return QStringLiteral("%1 CHARACTER").arg(QLatin1String(kCharacterTypeNames[characterType]));
}

}  // namespace

QSize CharacterCard::sizeHint() const {
    // Room for the widest lines a card draws (the longest class at the highest level, and the type
    // lines) beside the tallest class picture.
    const QFontMetrics metrics(skinFont(kFontSize));
    int textWidth = 0;
    for (int characterClass = 0; characterClass < static_cast<int>(kCharacterClassNames.size());
         ++characterClass)
        textWidth = std::max(textWidth,
                             metrics.horizontalAdvance(levelLine(kHighestLevel, characterClass)));
    for (int type = 0; type < static_cast<int>(kCharacterTypeNames.size()); ++type)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(typeLine(type)));
    int pictureHeight = 0;
    for (const QPixmap& image : classImages_.images)
        pictureHeight = std::max(pictureHeight, image.height());
    const int width = std::max(kLeastSize.width(), kTextLeft + textWidth + kTextMargin);
    const int height = std::max({kLeastSize.height(), pictureHeight + kPictureRoom,
                                 kTextTop + 2 * kLineHeight + metrics.height() + kFrameRoom});
    return {width, height};
}

CharacterCard::CharacterCard(const ClassImages& classImages, QWidget* parent)
    : SkinButton(parent), classImages_(classImages) {}

const QPixmap& CharacterCard::portrait() const {
    return portrait_;
}

std::optional<std::filesystem::path> CharacterCard::portraitPath(const Character& character,
                                                                 const Account& account) {
    for (const std::string* part : {&character.name, &account.name, &account.realm}) {
        if (!isSafeImageName(*part)) return std::nullopt;
    }
    return std::filesystem::path("char") / (character.name + account.name + account.realm + ".bmp");
}

void CharacterCard::loadPortrait(const Account& account) {
    portrait_ = QPixmap();
    if (character && character->inUse) {
        if (const auto path = portraitPath(*character, account)) portrait_ = loadImage(*path);
    }
    update();
}

ElidedText CharacterCard::nameLine() const {
    const QString name =
        character && character->inUse ? fromLocalBytes(character->name) : QString();
    return ElidedText(name, QFontMetrics(skinFont(kFontSize)), width() - kTextLeft - kTextMargin);
}

void CharacterCard::paintFace(QPainter& painter) {
    painter.fillRect(rect(), kBlack);
    if (character && character->inUse) drawCharacter(painter);
    if (selected) drawSelectionFrame(painter);
}

void CharacterCard::drawCharacter(QPainter& painter) const {
    const QPixmap* picture =
        portrait_.isNull() ? classImages_.of(character->characterClass) : &portrait_;
    if (picture) painter.drawPixmap(1, 1, *picture);

    painter.setFont(skinFont(kFontSize));
    QRect area = rect().adjusted(kTextLeft, kTextTop, 0, 0);
    const auto drawLine = [&](const QColor& colour, const QString& text) {
        painter.setPen(colour);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, text);
    };

    drawLine(kOlive, nameLine().shown());

    area.setTop(area.top() + kLineHeight);
    drawLine(kWhite, levelLine(character->level, character->characterClass));

    const std::int32_t type = character->characterType;
    if (type == kExpansionCharacter || type == kHardcoreCharacter) {
        area.setTop(area.top() + kLineHeight);
        drawLine(type == kHardcoreCharacter ? kRed : kGreen, typeLine(type));
    }
}

QRect CharacterCard::focusMarkRect() const {
    return rect().adjusted(kFramePixels + 1, kFramePixels + 1, -kFramePixels - 1,
                           -kFramePixels - 1);
}

bool CharacterCard::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return SkinButton::event(event);
    nameLine().answerToolTip(*static_cast<QHelpEvent*>(event), this);
    return true;
}

void CharacterCard::drawSelectionFrame(QPainter& painter) const {
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, kFramePixels, kOlive);
    painter.fillRect(0, 0, kFramePixels, h, kOlive);
    painter.fillRect(0, h - kFramePixels, w, kFramePixels, kOlive);
    painter.fillRect(w - kFramePixels, 0, kFramePixels, h, kOlive);
}

}  // namespace sockwright
