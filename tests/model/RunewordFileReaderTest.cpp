#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/RuneFileReader.h"
#include "model/RunewordFileReader.h"

namespace sockwright {
namespace {

// Rune n requires level 10 + n.
RuneTable runeTable(int runeCount = kRuneCount) {
    std::string contents;
    for (int n = 1; n <= runeCount; ++n) contents += "R:" + std::to_string(10 + n) + "\n";
    return parseRuneFile(contents);
}

RunewordFileParse parse(const std::string& contents) {
    return parseRunewordFile(contents, runeTable());
}

// The single entry of a file made of a version line and the given entry.
Runeword onlyEntry(const std::string& entry, const RuneTable& table = runeTable()) {
    const RunewordFileParse result = parseRunewordFile("1.0.0\n" + entry, table);
    EXPECT_TRUE(!result.corrupt && result.runewords && result.runewords->size() == 1) << entry;
    return result.runewords && !result.runewords->empty() ? result.runewords->front() : Runeword{};
}

// The last entry needs no closing empty line.
TEST(RunewordFileReaderTest, ReadsEntriesInFileOrderWithLfOrCrLf) {
    const std::string lf =
        "1.2.3 built today\nSteel Heart\n0x00000209\n13 3\nA\nB\n\n"
        "Bare\n0xc4000000\n2\n\nLast\n0x10\n33\nOnly line";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& contents : {lf, crlf}) {
        const RunewordFileParse result = parse(contents);
        EXPECT_EQ(result.version, (RuneDataVersion{1, 2, 3}));
        ASSERT_TRUE(result.runewords && result.runewords->size() == 3);
        const Runeword& first = result.runewords->front();
        EXPECT_EQ(first.equipmentText, "SWORDS/AXES/MACES");
        EXPECT_EQ(first.requiredLevel, 23);  // the highest of the runes, not the last
        EXPECT_EQ(first.runeSet, (RuneSet{{0x4, 0x2, 0}}));
        EXPECT_EQ(first.properties, "A\nB\n");
        EXPECT_EQ(result.runewords->back().runeSet, (RuneSet{{0, 0, 0x400}}));
        EXPECT_EQ(result.runewords->back().properties, "Only line\n");
    }
}

// The runes line is read on its own: a number on the next line is a property. A rune number
// without a rune (outside 1..33, or not in the table) adds no bit and no level.
TEST(RunewordFileReaderTest, RunesLineReadsUpToSixNumbersOfItsOwnLine) {
    const std::tuple<const char*, int, const char*> rows[] = {
        {"8 8\n\n", 2, ""},         {"1 2 3 4 5 6 7\n\n", 6, ""},
        {"1,2\n\n", 1, ""},         {"\t+4  -\n\n", 1, ""},
        {"3\n4 5\n\n", 1, "4 5\n"}, {"El Eld\n+50% Damage\n\n", 0, "+50% Damage\n"},
        {"\n2 3\n\n", -1, "2 3\n"}};
    for (const auto& [lines, runeCount, properties] : rows) {
        SCOPED_TRACE(lines);
        const Runeword runeword = onlyEntry(std::string("A\n0x1\n") + lines);
        EXPECT_EQ(runeword.runeCount, runeCount);
        EXPECT_EQ(runeword.properties, properties);
    }
    const Runeword odd = onlyEntry("A\n0x1\n0 34 -1 5 2 99999999999\n\n", runeTable(4));
    EXPECT_EQ(odd.runes, (std::array<std::int32_t, 6>{0, 34, -1, 5, 2, 2147483647}));
    EXPECT_EQ(odd.runeSet, (RuneSet{{0x2, 0, 0}}));
    EXPECT_EQ(odd.requiredLevel, 12);
}

// The equipment line must start with exactly "0x". An entry without such a number makes the
// whole file corrupt; two empty lines in a row are read as such an entry.
TEST(RunewordFileReaderTest, EquipmentLineNeedsALowerCaseHexPrefix) {
    const std::pair<const char*, EquipmentMask> masks[] = {
        {"0x  1f trailing", 0x1F}, {"0x0XaB", 0xAB}, {"0x123456789", 0x23456789}, {"0x-1", ~0u}};
    for (const auto& [line, mask] : masks) {
        EXPECT_EQ(onlyEntry(std::string("A\n") + line + "\n1\n\n").equipmentMask, mask) << line;
    }
    for (const char* line : {"0X10", " 0x10", "0x", "0xg", "16"}) {
        const RunewordFileParse result = parse(std::string("1.0.0\nA\n") + line + "\n1\n\n");
        EXPECT_TRUE(result.corrupt && !result.runewords) << line;
    }
    for (const char* contents : {"1.0.0\nA\n0x1\n1\n\n\nB\n0x1\n1\n\n", "1.0.0\nA\n0x1\n1\n\n\n",
                                 "1.0.0\n", "1.0.0\nName only"}) {
        EXPECT_TRUE(parse(contents).corrupt) << contents;
    }
}

TEST(RunewordFileReaderTest, ReadsAtMostOneThousandEntries) {
    std::string contents = "1.0.0\n";
    for (int i = 0; i <= 1000; ++i) contents += "W" + std::to_string(i) + "\n0x1\n1\n+1\n\n";
    const RunewordFileParse result = parse(contents);
    ASSERT_TRUE(result.runewords && result.runewords->size() == 1000);
    EXPECT_EQ(result.runewords->back().name, "W999");
}

}  // namespace
}  // namespace sockwright
