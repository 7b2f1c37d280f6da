#include <gtest/gtest.h>

#include "model/Account.h"
#include "support/CurrentFolder.h"
#include "support/PixelCounting.h"
#include "support/TempFolder.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

const QColor kClassColour{0, 0, 170};

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
