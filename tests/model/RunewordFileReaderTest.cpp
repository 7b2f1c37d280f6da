#include "model/RunewordFileReader.h"

#include <string>

#include <gtest/gtest.h>

#include "model/RuneFileReader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

// Rune n requires level 10 + n, except those the test gives explicitly.
RuneTable runeTable(int runeCount = kRuneCount) {
    std::string contents;
    for (int n = 1; n <= runeCount; ++n) contents += "R" + std::to_string(n) + ":" + std::to_string(10 + n) + "\n";
    return parseRuneFile(contents);
}

RunewordFileParse parse(const std::string& contents, const RuneTable& table = runeTable()) {
    return parseRunewordFile(contents, table);
}

// The single entry of a file made of a version line and the given entry.
Runeword onlyEntry(const std::string& entry, const RuneTable& table = runeTable()) {
    const RunewordFileParse result = parse("1.0.0\n" + entry, table);
    EXPECT_FALSE(result.corrupt);
    EXPECT_TRUE(result.runewords && result.runewords->size() == 1);
    return result.runewords && !result.runewords->empty() ? result.runewords->front() : Runeword{};
}

std::string entries(int count) {
    std::string contents = "1.0.0\n";
    for (int i = 0; i < count; ++i) contents += "W" + std::to_string(i) + "\n0x1\n1\n+1\n\n";
    return contents;
}

void expectSameRunewords(const RunewordList& a, const RunewordList& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].equipmentMask, b[i].equipmentMask);
        EXPECT_EQ(a[i].equipmentText, b[i].equipmentText);
        EXPECT_EQ(a[i].runeCount, b[i].runeCount);
        EXPECT_EQ(a[i].runes, b[i].runes);
        EXPECT_EQ(a[i].runeSet, b[i].runeSet);
        EXPECT_EQ(a[i].requiredLevel, b[i].requiredLevel);
        EXPECT_EQ(a[i].properties, b[i].properties);
    }
}

TEST(RunewordFileReaderTest, ReadsEntriesInFileOrder) {
    const std::string lf =
        "1.2.3 built today\n"
        "Steel Heart\n0x00000209\n13 3\nA\nB\n\n"
        "Bare\n0xc4000000\n2\n\n"
        "Last\n0x10\n33\nOnly line";
    const RunewordFileParse result = parse(lf);
    EXPECT_EQ(result.versionNumbersRead, 3);
    EXPECT_EQ(result.version, (RuneDataVersion{1, 2, 3}));
    ASSERT_TRUE(result.runewords);
    const RunewordList& list = *result.runewords;
    ASSERT_EQ(list.size(), 3u);

    EXPECT_EQ(list[0].name, "Steel Heart");
    EXPECT_EQ(list[0].equipmentText, "SWORDS/AXES/MACES");
    EXPECT_EQ(list[0].runeCount, 2);
    EXPECT_EQ(list[0].runes[0], 13);
    EXPECT_EQ(list[0].runes[1], 3);
    EXPECT_EQ(list[0].requiredLevel, 23);
    EXPECT_EQ(list[0].runeSet, (RuneSet{{0x4, 0x2, 0}}));
    EXPECT_EQ(list[0].properties, "A\nB\n");

    EXPECT_EQ(list[1].equipmentMask, 0xC4000000u);
    EXPECT_EQ(list[1].properties, "");
    // The last entry needs no closing empty line.
    EXPECT_EQ(list[2].equipmentText, "ORBS");
    EXPECT_EQ(list[2].runeSet, (RuneSet{{0, 0, 0x400}}));
    EXPECT_EQ(list[2].properties, "Only line\n");

    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    expectSameRunewords(*parse(crlf).runewords, list);
}

TEST(RunewordFileReaderTest, RunesLineReadsUpToSixNumbersOfItsOwnLine) {
    const Runeword twice = onlyEntry("A\n0x1\n8 8\n\n");
    EXPECT_EQ(twice.runeCount, 2);
    EXPECT_EQ(twice.runeSet, (RuneSet{{0x80, 0, 0}}));

    const Runeword seven = onlyEntry("A\n0x1\n1 2 3 4 5 6 7\n\n");
    EXPECT_EQ(seven.runeCount, 6);
    EXPECT_EQ(seven.requiredLevel, 16);

    EXPECT_EQ(onlyEntry("A\n0x1\n1,2\n\n").runeCount, 1);
    EXPECT_EQ(onlyEntry("A\n0x1\n\t+4  -\n\n").runeCount, 1);

    // A line without a number: nothing is taken from the property line after it.
    const Runeword none = onlyEntry("A\n0x1\nEl Eld\n+50% Damage\n\n");
    EXPECT_EQ(none.runeCount, 0);
    EXPECT_TRUE(none.runeSet.empty());
    EXPECT_EQ(none.requiredLevel, 1);
    EXPECT_EQ(none.properties, "+50% Damage\n");
    const Runeword empty = onlyEntry("A\n0x1\n\n2 3\n\n");
    EXPECT_EQ(empty.runeCount, -1);
    EXPECT_EQ(empty.properties, "2 3\n");

    const RunewordFileParse rest = parse("1.0.0\nA\n0x1\n3\n4 5\n\n");
    EXPECT_EQ(rest.runewords->front().runeCount, 1);
    EXPECT_EQ(rest.runewords->front().properties, "4 5\n");
}

TEST(RunewordFileReaderTest, RuneNumbersWithoutARuneAddNoBitAndNoLevel) {
    const Runeword odd = onlyEntry("A\n0x1\n0 34 -1 5 2 99999999999\n\n", runeTable(4));
    EXPECT_EQ(odd.runeCount, 6);
    EXPECT_EQ(odd.runes[1], 34);
    EXPECT_EQ(odd.runes[5], 2147483647);
    EXPECT_EQ(odd.runeSet, (RuneSet{{0x2, 0, 0}}));
    EXPECT_EQ(odd.requiredLevel, 12);
}

TEST(RunewordFileReaderTest, EquipmentLineMustStartWithLowerCaseHexPrefix) {
    EXPECT_EQ(onlyEntry("A\n0x10\n1\n\n").equipmentMask, 0x10u);
    EXPECT_EQ(onlyEntry("A\n0x  1f trailing\n1\n\n").equipmentMask, 0x1Fu);
    EXPECT_EQ(onlyEntry("A\n0x0XaB\n1\n\n").equipmentMask, 0xABu);
    EXPECT_EQ(onlyEntry("A\n0x123456789\n1\n\n").equipmentMask, 0x23456789u);
    EXPECT_EQ(onlyEntry("A\n0x-1\n1\n\n").equipmentMask, 0xFFFFFFFFu);
    for (const char* line : {"0X10", " 0x10", "0x", "0xg", "x10", "16"}) {
        const RunewordFileParse result = parse(std::string("1.0.0\nA\n") + line + "\n1\n\n");
        EXPECT_TRUE(result.corrupt) << line;
        EXPECT_FALSE(result.runewords) << line;
    }
}

TEST(RunewordFileReaderTest, EmptyLinesThatDoNotEndAnEntryMakeTheFileCorrupt) {
    EXPECT_TRUE(parse("1.0.0\nA\n0x1\n1\n\n\nB\n0x1\n1\n\n").corrupt);
    EXPECT_TRUE(parse("1.0.0\nA\n0x1\n1\n\n\n").corrupt);
    // The loop reads at least one entry.
    EXPECT_TRUE(parse("1.0.0\n").corrupt);
    EXPECT_TRUE(parse("1.0.0\nName only").corrupt);
}

TEST(RunewordFileReaderTest, ReadsAtMostOneThousandEntries) {
    EXPECT_EQ(parse(entries(1000)).runewords->size(), 1000u);
    const RunewordFileParse more = parse(entries(1001));
    EXPECT_EQ(more.runewords->size(), 1000u);
    EXPECT_EQ(more.runewords->back().name, "W999");
}

TEST(RunewordFileReaderTest, VersionLineThatDoesNotReadGivesNoEntries) {
    const RunewordFileParse partial = parse("2.x.3\nA\n0x1\n1\n\n");
    EXPECT_EQ(partial.versionNumbersRead, 1);
    EXPECT_EQ(partial.version.major, 2);
    EXPECT_FALSE(partial.runewords);
    EXPECT_FALSE(partial.corrupt);

    EXPECT_EQ(parse("\n1.2.3\nA\n0x1\n1\n\n").versionNumbersRead, 0);
    EXPECT_EQ(parse("1 .2.3\n").versionNumbersRead, 1);
    EXPECT_EQ(parse(" 1. +2. -3\nA\n0x1\n1\n").version, (RuneDataVersion{1, 2, -3}));

    const RunewordFileParse oneLine = parse("1.2.3");
    EXPECT_EQ(oneLine.versionNumbersRead, 0);
    EXPECT_FALSE(oneLine.runewords);
    EXPECT_FALSE(oneLine.corrupt);
}

class LoadRunewordsTest : public ::testing::Test {
protected:
    LoadRunewordsTest() {
        state.dataFolder = folder.path();
        state.runeTable = runeTable();
        state.runeDataVersion = {1, 5, 7};
        auto list = std::make_shared<RunewordList>(1);
        list->front().name = "Old";
        state.runewords = list;
    }

    testing::TempFolder folder;
    ProgramState state;
    testing::RecordingMessageSink messages;
};

TEST_F(LoadRunewordsTest, ReplacesListAndVersion) {
    folder.write("runewords.txt", "1.0.4\nA\n0x1\n33\n\n");
    EXPECT_EQ(loadRunewords(state, messages), RunewordLoadResult::Loaded);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{1, 0, 4}));
    ASSERT_EQ(state.runewords->size(), 1u);
    EXPECT_EQ(state.runewords->front().requiredLevel, 43);
}

TEST_F(LoadRunewordsTest, UnreadableVersionKeepsListAndUpdatesTheNumbersRead) {
    const auto old = state.runewords;
    folder.write("runewords.txt", "2.x\nA\n0x1\n1\n\n");
    EXPECT_EQ(loadRunewords(state, messages), RunewordLoadResult::Loaded);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(state.runewords, old);
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{2, 5, 7}));

    // A file cut short after its version number claims no version.
    folder.write("runewords.txt", "9.9.9");
    EXPECT_EQ(loadRunewords(state, messages), RunewordLoadResult::Loaded);
    EXPECT_EQ(state.runewords, old);
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{2, 5, 7}));
}

TEST_F(LoadRunewordsTest, CorruptFileChangesNothingAndSaysSo) {
    const auto old = state.runewords;
    folder.write("runewords.txt", "3.0.0\nA\n0x1\n1\n\nB\n0X1\n1\n\n");
    EXPECT_EQ(loadRunewords(state, messages), RunewordLoadResult::Corrupt);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Corrupt Runeword file"});
    EXPECT_EQ(state.runewords, old);
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{1, 5, 7}));
}

TEST_F(LoadRunewordsTest, MissingFileOrFolderFailsWithTheOpenMessage) {
    const auto old = state.runewords;
    EXPECT_EQ(loadRunewords(state, messages), RunewordLoadResult::Failed);
    std::filesystem::create_directory(folder.path() / "runewords.txt");
    EXPECT_EQ(loadRunewords(state, messages), RunewordLoadResult::Failed);
    EXPECT_EQ(messages.messages, (std::vector<std::string>(2, "Failed to open rune data file")));
    EXPECT_EQ(state.runewords, old);
}

}  // namespace
}  // namespace sockwright
