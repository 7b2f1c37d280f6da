#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/RunewordDetails.h"
#include "support/MakeRuneword.h"

namespace sockwright {
namespace {

TEST(LevelBadgeTest, TextAndColour) {
    EXPECT_EQ(levelBadgeText(31), "Clvl\n31");
    EXPECT_FALSE(levelBadgeIsRed(30, 30));
    EXPECT_TRUE(levelBadgeIsRed(30, 31));
}

// A rune number outside 1..33 (0, 34, -5) or one the table does not hold (20) shows no picture
// in its socket and "?" in the runes column.
TEST(SocketRunesTest, SocketsAndRunesColumnShowTheRunewordsRunes) {
    RuneTable table;
    const char* names[] = {"El",  "Eld", "Tir", "Nef",  "Eth", "Ith",
                           "Tal", "Ral", "Ort", "Thul", "Amn"};
    for (int n = 1; n <= 11; ++n) table.set(n, Rune{n, 1, names[n - 1], "", "", ""});
    const std::tuple<std::vector<int>, std::array<int, 6>, const char*> rows[] = {
        {{8, 8}, {8, 8}, "Ral Ral "},
        {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, "El Eld Tir Nef Eth Ith "},
        {{3, 34, 20, 0, -5, 11}, {3, 0, 0, 0, 0, 11}, "Tir ? ? ? ? Amn "},
        {{}, {}, ""},  // an empty runes line
    };
    for (const auto& [runes, sockets, column] : rows) {
        SCOPED_TRACE(column);
        const Runeword runeword = testing::makeRuneword("", runes);
        EXPECT_EQ(socketRunes(runeword, table), sockets);
        EXPECT_EQ(runesColumnText(runeword, table), column);
    }
}

TEST(RuneDetailsTextTest, HeadingsAndOneLinePerCommaPart) {
    EXPECT_EQ(runeDetailsText(Rune{1, 1, "El", "P,Q,R", "S", "T"}),
              "Weapons\nP\nQ\nR\n\nArmour\nS\n\nShields\nT");
    EXPECT_EQ(runeDetailsText(Rune{}), "Weapons\n?\n\nArmour\n?\n\nShields\n?");
}

}  // namespace
}  // namespace sockwright
