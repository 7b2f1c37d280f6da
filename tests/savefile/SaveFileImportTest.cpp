#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <utility>

#include "savefile/SaveFileImport.h"

namespace sockwright::savefile {
namespace {

// Counts from rune and count pairs.
RuneCounts counts(std::initializer_list<std::pair<int, int>> held) {
    RuneCounts result;
    for (const auto& [rune, count] : held) result.set(rune, count);
    return result;
}

SaveFileSummary character(const std::string& name, int level, bool hardcore) {
    SaveFileSummary read;
    read.name = name;
    read.level = level;
    read.characterClass = 7;
    read.hardcore = hardcore;
    read.expansion = true;
    read.looseAt(RuneLocation::Inventory).set(4, 2);
    read.looseAt(RuneLocation::HoradricCube).set(8, 1);
    read.socketed.set(9, 3);
    return read;
}

// The slot holding his name in any letter case is updated, else a free one taken; his loose
// runes, wherever they lay, become the counts and socketed ones are left out. A full account
// without his name changes nothing.
TEST(SaveFileImport, ACharacterUpdatesHisSlotOrTakesAFreeOne) {
    AccountList accounts;
    Account& account = *accounts.addAccount("A", "USEast", "RUNA", 10, 0, kClassicCharacter);
    accounts.addCharacter(account, "Other", 20, 1, kClassicCharacter);

    EXPECT_EQ(importCharacter(accounts, account, character("Runa", 42, true)), 0);
    const Character& updated = account.characters[0];
    EXPECT_EQ(
        std::tuple(updated.name, updated.level, updated.characterClass, updated.characterType),
        std::tuple(std::string("Runa"), 42, 7, kHardcoreCharacter));
    EXPECT_EQ(updated.runeCounts, counts({{4, 2}, {8, 1}}));

    EXPECT_EQ(importCharacter(accounts, account, character("Lea", 5, false)), 2);
    EXPECT_EQ(account.characters[2].characterType, kExpansionCharacter);

    for (const char* name : {"F3", "F4", "F5", "F6", "F7"}) {
        accounts.addCharacter(account, name, 1, 0, kClassicCharacter);
    }
    const Account full = account;
    EXPECT_EQ(importCharacter(accounts, account, character("Nobody", 5, false)), std::nullopt);
    EXPECT_EQ(account.characters, full.characters);
}

TEST(SaveFileImport, AStashAddsToOrReplacesTheCounts) {
    SaveFileSummary stash;
    stash.kind = SaveFileKind::SharedStash;
    stash.looseAt(RuneLocation::SharedStash).set(10, 99);
    stash.looseAt(RuneLocation::SharedStash).set(1, 2);
    Character hero;
    hero.runeCounts = counts({{1, 3}, {2, 1}});
    importStash(hero, stash, StashImport::Add);
    EXPECT_EQ(hero.runeCounts, counts({{1, 5}, {2, 1}, {10, 99}}));
    importStash(hero, stash, StashImport::Replace);
    EXPECT_EQ(hero.runeCounts, counts({{1, 2}, {10, 99}}));
}

}  // namespace
}  // namespace sockwright::savefile
