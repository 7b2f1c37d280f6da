#include <gtest/gtest.h>

#include "model/Account.h"
#include "support/TempFolder.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinTestTools.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

const QColor kClassColour{0, 0, 170};
const QColor kPortraitColour{170, 0, 170};
const QRect kTextArea{75, 0, 165, 80};

int pixelsOf(const QImage& image, const QColor& colour, QRect area = kTextArea) {
    return countPixels(image, [&](QRgb p) { return p == colour.rgb(); }, area);
}

class CharacterCardTest : public ::testing::Test {
protected:
    CharacterCardTest() {
        classImages.images[5] = solidPixmap({60, 50}, kClassColour);
        character.inUse = true;
        character.name = "TAL RASHA";
        character.characterClass = 5;
        character.characterType = kClassicCharacter;
        card.character = &character;
        card.resize(240, 80);
    }
    ClassImages classImages;
    Account account{"DEFAULT", "USEast", {}};
    Character character;
    CharacterCard card{classImages};
};

TEST_F(CharacterCardTest, FreeSlotIsPlainBlackAndFramedWhenSelected) {
    character.inUse = false;
    EXPECT_EQ(pixelsOf(render(card), Qt::black, card.rect()), 240 * 80);
    card.selected = true;
    const QImage framed = render(card);
    EXPECT_EQ(pixelsOf(framed, Qt::black, {3, 3, 234, 74}), 234 * 74);
    EXPECT_EQ(pixelsOf(framed, kOlive, card.rect()), 240 * 80 - 234 * 74);
}

TEST_F(CharacterCardTest, ClassicHasTwoLinesHardcoreAndExpansionThreeInTheirColour) {
    QImage image = render(card);
    EXPECT_EQ(image.pixel(60, 50), kClassColour.rgb()) << "class picture at (1,1), unscaled";
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(inkBands(image, kTextArea), 2);
    EXPECT_EQ(countPixels(image, isInk, {75, 0, 165, 20}), 0) << "text starts 20 pixels down";
    EXPECT_GT(pixelsOf(image, kOlive) * pixelsOf(image, kWhite), 0);

    for (const auto& [type, colour, other] : {std::tuple{kHardcoreCharacter, kRed, kGreen},
                                              std::tuple{kExpansionCharacter, kGreen, kRed}}) {
        character.characterType = type;
        image = render(card);
        EXPECT_EQ(inkBands(image, kTextArea), 3) << type;
        EXPECT_GT(pixelsOf(image, colour), 0) << type;
        EXPECT_EQ(pixelsOf(image, other), 0) << type;
    }
    // Class and type outside their tables: no picture, no type line, no crash.
    character.characterClass = character.characterType = 7;
    image = render(card);
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(inkBands(image, kTextArea), 2);
}

TEST_F(CharacterCardTest, PortraitReplacesTheClassPictureUntilANameChanges) {
    const TempFolder folder;
    writeBitmap(folder.path() / "char/TAL RASHADEFAULTUSEast.bmp", {40, 30}, kPortraitColour);
    const CurrentFolder current(folder.path());
    card.loadPortrait(account);
    EXPECT_EQ(render(card).pixel(40, 30), kPortraitColour.rgb());
    EXPECT_EQ(render(card).pixel(50, 40), qRgb(0, 0, 0));

    account.realm = "Europe";
    card.loadPortrait(account);
    EXPECT_TRUE(card.portrait().isNull());
    EXPECT_EQ(render(card).pixel(50, 40), kClassColour.rgb());
}

TEST_F(CharacterCardTest, PortraitNamesCannotLeaveTheCharacterFolder) {
    EXPECT_EQ(CharacterCard::portraitPath(character, account), "char/TAL RASHADEFAULTUSEast.bmp");
    const TempFolder folder;
    writeBitmap(folder.path() / "evil.bmp", {9, 9}, Qt::red);
    writeBitmap(folder.path() / "char/TAL", {9, 9}, Qt::red);
    const CurrentFolder current(folder.path());
    for (const auto& [name, accountName] : {std::pair{"..", "/evil"}, std::pair{"../evil", ""},
                                            std::pair{"a\\b", ""}}) {
        character.name = name;
        account.name = accountName;
        account.realm = "";
        EXPECT_FALSE(CharacterCard::portraitPath(character, account)) << name;
        card.loadPortrait(account);
        EXPECT_TRUE(card.portrait().isNull()) << name;
    }
    character.name = "TAL";
    account.realm = std::string("\0x", 2);  // cut short at the NUL it would open char/TAL
    card.loadPortrait(account);
    EXPECT_TRUE(card.portrait().isNull());
}

}  // namespace
}  // namespace sockwright
