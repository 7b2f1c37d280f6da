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

// Line n of the file gives rune n.
TEST(RuneFileReaderTest, FieldsFillTheRuneAndMissingOnesKeepTheirDefaults) {
    const std::pair<const char*, const char*> lines[] = {
        {"A:12:W,V:X:Y\r\n", "1|A|12|W,V|X|Y"},
        {"C:4::X:Y\n", "2|C|4||X|Y"},
        {"D:5:W\n", "3|D|5|W|?|?"},
        {"\n", "4||1|?|?|?"},
        {"E:-7:W:X:Y:Z:more\n", "5|E|-7|W|X|Y"},
        {"F: +8x:W:X:Y\n", "6|F|8|W|X|Y"},
        {"G:-18446744073709551621:W:X:Y\n", "7|G|-2147483648|W|X|Y"},  // 2^64 + 5 is not -5
        {"H:twelve:W:X:Y\r", "8|H|1|W|X|Y\r"},  // no line feed: the "\r" is text
        {"", "none"}};
    std::string contents;
    for (const auto& [line, rune] : lines) contents += line;
    const RuneTable table = parseRuneFile(contents);
    for (int number = 1; number <= 9; ++number) {
        EXPECT_EQ(runeFields(table, number), lines[number - 1].second);
    }
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
