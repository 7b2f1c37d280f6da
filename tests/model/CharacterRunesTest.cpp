#include <gtest/gtest.h>

#include "model/CharacterRunes.h"

namespace sockwright {
namespace {

TEST(CharacterRunesTest, ACountSetsItsBitAndBitsSetTheirCounts) {
    Character character;
    character.runes.rows[2] |= 0x800;  // a bit beyond the runes, kept as the file had it
    setRuneCount(character, 5, 7);
    setRuneCount(character, 6, 0);
    setRuneCount(character, 7, 5000);
    EXPECT_FALSE(character.runes.contains(6));
    EXPECT_EQ(character.runeCounts.count(7), kMaxRunesOfAKind);

    character.runes.remove(5);  // a toggle clears one, another sets one
    character.runes.add(6);
    followRuneBits(character);
    EXPECT_EQ(character.runeCounts.count(5), 0);
    EXPECT_EQ(character.runeCounts.count(6), 1);
    EXPECT_EQ(character.runeCounts.count(7), kMaxRunesOfAKind);  // a set bit keeps its count
    EXPECT_EQ(character.runes.rows[2] & 0x800, 0x800u);
}

TEST(CharacterRunesTest, GoalsKeepTheirOrderAndHoldEachRunewordOnce) {
    Character character;
    for (const char* goal : {"Spirit", "Insight", "Spirit", "", "Two\nLines"}) {
        pinGoal(character.goals, goal);
    }
    EXPECT_TRUE(unpinGoal(character.goals, "Spirit"));
    EXPECT_FALSE(unpinGoal(character.goals, "Spirit"));
    EXPECT_TRUE(pinGoal(character.goals, "Spirit"));
    EXPECT_EQ(character.goals, (std::vector<std::string>{"Insight", "Spirit"}));
}

}  // namespace
}  // namespace sockwright
