#include "engine/RunewordDetails.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace sockwright {
namespace {

// The names of the first eleven runes as the program ships them.
RuneTable shippedCommonRunes() {
    const char* names[] = {"El", "Eld", "Tir", "Nef", "Eth", "Ith", "Tal", "Ral", "Ort", "Thul", "Amn"};
    RuneTable table;
    int number = 1;
    for (const char* name : names) {
        Rune rune;
        rune.number = number;
        rune.name = name;
        table.set(number++, rune);
    }
    return table;
}

Runeword runewordOf(std::initializer_list<int> runes) {
    Runeword runeword;
    runeword.runeCount = static_cast<std::int32_t>(runes.size());
    int socket = 0;
    for (int rune : runes) runeword.runes[socket++] = rune;
    return runeword;
}

TEST(LevelBadgeTest, TextAndColour) {
    EXPECT_EQ(levelBadgeText(31), "Clvl\n31");
    EXPECT_EQ(levelBadgeText(1), "Clvl\n1");
    EXPECT_FALSE(levelBadgeIsRed(30, 30));
    EXPECT_TRUE(levelBadgeIsRed(30, 31));
    EXPECT_FALSE(levelBadgeIsRed(99, 69));
}

TEST(SocketRunesTest, FillsTheRunewordsSocketsAndBlanksTheRest) {
    const RuneTable table = shippedCommonRunes();
    EXPECT_EQ(socketRunes(runewordOf({8, 8}), table), (std::array<int, 6>{8, 8, 0, 0, 0, 0}));
    EXPECT_EQ(socketRunes(runewordOf({1, 2, 3, 4, 5, 6}), table),
              (std::array<int, 6>{1, 2, 3, 4, 5, 6}));

    Runeword noRunes = runewordOf({});
    noRunes.runeCount = -1;
    EXPECT_EQ(socketRunes(noRunes, table), (std::array<int, 6>{}));
}

TEST(SocketRunesTest, RuneWithoutARecordLeavesItsSocketEmpty) {
    // 0 and 34 are outside the rune numbers; 20 is one the short table does not hold.
    const RuneTable table = shippedCommonRunes();
    EXPECT_EQ(socketRunes(runewordOf({3, 34, 20, 0, -5, 11}), table),
              (std::array<int, 6>{3, 0, 0, 0, 0, 11}));
}

TEST(RunesColumnTest, NamesEachSocketFollowedByABlank) {
    const RuneTable table = shippedCommonRunes();
    EXPECT_EQ(runesColumnText(runewordOf({8, 8}), table), "Ral Ral ");
    EXPECT_EQ(runesColumnText(runewordOf({8, 34, 20}), table), "Ral ? ? ");

    Runeword noNumber = runewordOf({});
    EXPECT_EQ(runesColumnText(noNumber, table), "");
    noNumber.runeCount = -1;
    EXPECT_EQ(runesColumnText(noNumber, table), "");
}

TEST(RuneDetailsTextTest, HeadingsAndOneLinePerCommaPart) {
    Rune rune;
    rune.weaponsText = "P,Q";
    rune.armourText = "R";
    rune.shieldsText = "S";
    EXPECT_EQ(runeDetailsText(rune), "Weapons\nP\nQ\n\nArmour\nR\n\nShields\nS");

    rune.weaponsText = "A,B,C,D";
    EXPECT_EQ(runeDetailsText(rune), "Weapons\nA\nB\nC\nD\n\nArmour\nR\n\nShields\nS");

    EXPECT_EQ(runeDetailsText(Rune{}), "Weapons\n?\n\nArmour\n?\n\nShields\n?");
}

}  // namespace
}  // namespace sockwright
