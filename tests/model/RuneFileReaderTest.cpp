#include <gtest/gtest.h>

#include <string>

#include "model/RuneFileReader.h"

namespace sockwright {
namespace {

void expectRune(const RuneTable& table, int number, const std::string& name, int level,
                const std::string& weapons, const std::string& armour, const std::string& shields) {
    SCOPED_TRACE("rune " + std::to_string(number));
    const Rune* rune = table.find(number);
    ASSERT_NE(rune, nullptr);
    EXPECT_EQ(rune->number, number);
    EXPECT_EQ(rune->name, name);
    EXPECT_EQ(rune->level, level);
    EXPECT_EQ(rune->weaponsText, weapons);
    EXPECT_EQ(rune->armourText, armour);
    EXPECT_EQ(rune->shieldsText, shields);
}

TEST(RuneFileReaderTest, FieldsFillTheRuneAndMissingOnesKeepTheirDefaults) {
    const RuneTable table = parseRuneFile(
        "A:12:W,V:X:Y\r\n"
        "C:4::X:Y\n"
        "D:5:W\n"
        "\n"
        "E:-7:W:X:Y:Z:more\n"
        "F: +8x:W:X:Y\n"
        "G:-18446744073709551621:W:X:Y\n"
        "H:twelve:W:X:Y\r");
    expectRune(table, 1, "A", 12, "W,V", "X", "Y");
    expectRune(table, 2, "C", 4, "", "X", "Y");
    expectRune(table, 3, "D", 5, "W", "?", "?");
    expectRune(table, 4, "", 1, "?", "?", "?");
    expectRune(table, 5, "E", -7, "W", "X", "Y");
    expectRune(table, 6, "F", 8, "W", "X", "Y");
    expectRune(table, 7, "G", -2147483647 - 1, "W", "X", "Y");  // 2^64 + 5 does not wrap to -5
    expectRune(table, 8, "H", 1, "W", "X", "Y\r");              // no line feed: the "\r" is text
    EXPECT_EQ(table.find(9), nullptr);
}

TEST(RuneFileReaderTest, ReadsAtMostThirtyThreeLines) {
    std::string lines;
    for (int line = 1; line <= 34; ++line) lines += "R" + std::to_string(line) + ":1\n";
    const RuneTable table = parseRuneFile(lines);
    EXPECT_EQ(table.filledCount(), 33);
    expectRune(table, 33, "R33", 1, "?", "?", "?");
}

}  // namespace
}  // namespace sockwright
