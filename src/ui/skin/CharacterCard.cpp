#include "ui/skin/CharacterCard.h"

#include <QPainter>
#include <string>

#include "model/Account.h"
#include "model/Character.h"
#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {

namespace {

constexpr int kTextLeft = 75;
constexpr int kTextTop = 20;
constexpr int kLineHeight = 16;
constexpr int kFramePixels = 3;
constexpr int kFontSize = 110;

}  // namespace

CharacterCard::CharacterCard(const ClassImages& classImages, QWidget* parent)
    : QAbstractButton(parent), classImages_(classImages) {}

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

void CharacterCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
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

    drawLine(kOlive, fromLocalBytes(character->name));

    area.setTop(area.top() + kLineHeight);
    const char* className = isCharacterClass(character->characterClass)
                                ? kCharacterClassNames[character->characterClass]
                                : "?";
    drawLine(kWhite,
             QStringLiteral("LEVEL %1 %2").arg(character->level).arg(QLatin1String(className)));

    const std::int32_t type = character->characterType;
    if (type == kExpansionCharacter || type == kHardcoreCharacter) {
        area.setTop(area.top() + kLineHeight);
        drawLine(type == kHardcoreCharacter ? kRed : kGreen,
                 QStringLiteral("%1 CHARACTER").arg(QLatin1String(kCharacterTypeNames[type])));
    }
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
