#include <gtest/gtest.h>

#include "model/Account.h"
#include "support/CurrentFolder.h"
#include "support/PixelCounting.h"
#include "support/TempFolder.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

const QColor kClassColour{0, 0, 170};
const QRect kTextArea{75, 0, 165, 80};

class CharacterCardTest : public ::testing::Test {
  protected:
    CharacterCardTest() {
        classImages.images[5] = solidPixmap({60, 50}, kClassColour);
        card.character = &character;
        card.resize(240, 80);
    }
    ClassImages classImages;
    Account account{"DEFAULT", "USEast", {}};
    Character character = [] {
        Character druid;
        druid.inUse = true;
        druid.name = "TAL RASHA";
        druid.characterClass = 5;
        return druid;
    }();
    CharacterCard card{classImages};
};

TEST_F(CharacterCardTest, ClassPictureThenNameAndLevelThenTheTypeLineInItsColour) {
    // Class, type, lines of text and the colour of the type line.
    const std::tuple<int, std::int32_t, int, QColor> rows[] = {{5, kClassicCharacter, 2, {}},
                                                               {5, kHardcoreCharacter, 3, kRed},
                                                               {5, kExpansionCharacter, 3, kGreen},
                                                               {7, 7, 2, {}}};
    for (const auto& [characterClass, type, lines, typeColour] : rows) {
        SCOPED_TRACE(type);
        character.characterClass = characterClass;
        character.characterType = type;
        const QImage image = render(card);
        // Drawn unscaled at (1, 1); a class outside the table has no picture.
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(60, 50), (characterClass == 5 ? kClassColour : kBlack).rgb());
        EXPECT_EQ(inkBands(image, kTextArea), lines);
        EXPECT_EQ(countPixels(image, isInk, {75, 0, 165, 20}), 0) << "text starts 20 pixels down";
        EXPECT_GT(countColour(image, kOlive, kTextArea) * countColour(image, kWhite, kTextArea), 0);
        for (const QColor& colour : {kRed, kGreen})
            EXPECT_EQ(countColour(image, colour, kTextArea) > 0, colour == typeColour);
    }
    // A free slot shows nothing but the frame of the selected card.
    character.inUse = false;
    card.selected = true;
    const QImage framed = render(card);
    EXPECT_EQ(countColour(framed, Qt::black, {3, 3, 234, 74}), 234 * 74);
    EXPECT_EQ(countColour(framed, kOlive), 240 * 80 - 234 * 74);
}

// At its size hint a card holds every character it can show: the longest class at the highest
// level with a type line and the tallest class picture, all clear of the selection frame.
TEST_F(CharacterCardTest, SizeHintHoldsTheWidestLinesAndTheTallestPicture) {
    classImages.images[2] = solidPixmap({60, 120}, kClassColour);
    card.resize(card.sizeHint());
    character.name = "A";
    character.level = 99;
    character.characterType = kHardcoreCharacter;
    const int w = card.width();
    const int h = card.height();
    for (std::size_t c = 0; c < classImages.images.size(); ++c) {
        SCOPED_TRACE(c);
        character.characterClass = static_cast<int>(c);
        const QImage image = render(card);
        EXPECT_EQ(countPixels(image, isInk, {w - 3, 0, 3, h}) +
                      countPixels(image, isInk, {0, h - 3, w, 3}),
                  0);
    }
}

TEST_F(CharacterCardTest, PortraitReplacesTheClassPictureAndNeverComesFromOutsideCharFolder) {
    const TempFolder folder;
    writeBitmap(folder.path() / "char/TAL RASHADEFAULTUSEast.bmp", {40, 30}, Qt::magenta);
    writeBitmap(folder.path() / "evil.bmp", {9, 9}, Qt::red);
    writeBitmap(folder.path() / "char/TAL", {9, 9}, Qt::red);
    const CurrentFolder current(folder.path());
    card.loadPortrait(account);
    EXPECT_EQ(render(card).pixel(40, 30), QColor(Qt::magenta).rgb());

    // Most characters have no portrait: looking for one is silent.
    static int warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++warnings; });
    account.name = "OTHER";
    card.loadPortrait(account);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(card.portrait().isNull());
    EXPECT_EQ(warnings, 0);

    // Each name is refused, and the portrait loaded before is dropped. The NUL would cut
    // char/TAL<NUL>x.bmp short at the existing char/TAL.
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"..", "/evil", ""}, {"../evil", "", ""}, {"a\\b", "", ""}, {"TAL", "", {"\0x", 2}}};
    for (const auto& [name, accountName, realm] : rows) {
        SCOPED_TRACE(name);
        character.name = name;
        account.name = accountName;
        account.realm = realm;
        EXPECT_FALSE(CharacterCard::portraitPath(character, account));
        card.loadPortrait(account);
        EXPECT_TRUE(card.portrait().isNull());
    }
}

}  // namespace
}  // namespace sockwright
