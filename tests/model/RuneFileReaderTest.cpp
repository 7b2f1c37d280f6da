#include <gtest/gtest.h>

#include <string>

#include "model/RuneFileReader.h"

namespace sockwright {
namespace {

// A rune's fields joined by "|", or "none" when the table holds no rune of that number.
std::string runeFields(const RuneTable& table, int number) {
    const Rune* rune = table.find(number);
    if (!rune) return "none";
    return std::to_string(rune->number) + "|" + rune->name + "|" + std::to_string(rune->level) +
           "|" + rune->weaponsText + "|" + rune->armourText + "|" + rune->shieldsText;
}

TEST(RuneFileReaderTest, ReadsAtMostThirtyThreeLines) {
    std::string lines;
    for (int line = 1; line <= 34; ++line) lines += "R" + std::to_string(line) + ":1\n";
    const RuneTable table = parseRuneFile(lines);
    EXPECT_EQ(table.filledCount(), 33);
    EXPECT_EQ(runeFields(table, 33), "33|R33|1|?|?|?");
}

}  // namespace
}  // namespace sockwright
