#include "model/RuneFileReader.h"

#include <string>

#include <gtest/gtest.h>

namespace sockwright {
namespace {

void expectRune(const RuneTable& table, int number, const std::string& name, int level,
                const std::string& weapons, const std::string& armour, const std::string& shields) {
    const Rune* rune = table.find(number);
    ASSERT_NE(rune, nullptr) << "rune " << number;
    EXPECT_EQ(rune->number, number);
    EXPECT_EQ(rune->name, name);
    EXPECT_EQ(rune->level, level);
    EXPECT_EQ(rune->weaponsText, weapons);
    EXPECT_EQ(rune->armourText, armour);
    EXPECT_EQ(rune->shieldsText, shields);
}

TEST(RuneFileReaderTest, FieldsFillTheRuneAndMissingOnesKeepTheirDefaults) {
    const RuneTable table = parseRuneFile(
        "A:12:W:X:Y\n"
        "B:3:W:X:Y:\n"
        "C:4::X:Y\n"
        "D:5:W\n"
        "\n"
        "E:-7:W:X:Y:Z:more\n"
        "F: +8x:W:X:Y\n"
        "G:twelve:W:X:Y");
    expectRune(table, 1, "A", 12, "W", "X", "Y");
    expectRune(table, 2, "B", 3, "W", "X", "Y");
    expectRune(table, 3, "C", 4, "", "X", "Y");
    expectRune(table, 4, "D", 5, "W", "?", "?");
    expectRune(table, 5, "", 1, "?", "?", "?");
    expectRune(table, 6, "E", -7, "W", "X", "Y");
    expectRune(table, 7, "F", 8, "W", "X", "Y");
    expectRune(table, 8, "G", 1, "W", "X", "Y");
    EXPECT_EQ(table.filledCount(), 8);
    EXPECT_EQ(table.find(9), nullptr);
}

TEST(RuneFileReaderTest, CrLfAndLfFilesGiveTheSameRunes) {
    const RuneTable lf = parseRuneFile("El:11:a,b:c:d\nEld:11:e:f:g\n");
    const RuneTable crlf = parseRuneFile("El:11:a,b:c:d\r\nEld:11:e:f:g\r\n");
    ASSERT_EQ(crlf.filledCount(), 2);
    for (int number = 1; number <= 2; ++number) {
        const Rune* rune = lf.find(number);
        expectRune(crlf, number, rune->name, rune->level, rune->weaponsText, rune->armourText,
                   rune->shieldsText);
    }
}

TEST(RuneFileReaderTest, ReadsAtMostThirtyThreeLines) {
    std::string contents;
    for (int line = 1; line <= 34; ++line) contents += "R" + std::to_string(line) + ":" + std::to_string(line) + "\n";
    const RuneTable table = parseRuneFile(contents);
    EXPECT_EQ(table.filledCount(), 33);
    expectRune(table, 33, "R33", 33, "?", "?", "?");
}

TEST(RuneFileReaderTest, AnEmptyFileGivesNoRunes) {
    EXPECT_EQ(parseRuneFile("").filledCount(), 0);
    // A final line feed does not start another rune.
    EXPECT_EQ(parseRuneFile("El:11\n").filledCount(), 1);
}

}  // namespace
}  // namespace sockwright
