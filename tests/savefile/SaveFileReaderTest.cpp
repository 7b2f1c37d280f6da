#include <gtest/gtest.h>

#include <filesystem>

#include "savefile/SaveFileBytes.h"
#include "savefile/SaveFileError.h"
#include "savefile/SaveFileReader.h"
#include "savefile/SaveFileWriter.h"
#include "support/TempFolder.h"

namespace sockwright::savefile {
namespace {

using testing::TestCharacter;
using testing::TestItem;
using testing::TestProperty;

// Each rune number as often as it is counted.
std::vector<int> held(const RuneCounts& counts) {
    std::vector<int> runes;
    for (int rune = 1; rune <= kRuneCount; ++rune)
        runes.insert(runes.end(), counts.count(rune), rune);
    return runes;
}

TestItem rune(int number, int panel = 1) {
    return testing::runeItem(number, panel);
}
TestItem extended(const char* code, int quality, std::vector<TestProperty> properties = {}) {
    return testing::extendedItem(code, quality, std::move(properties));
}

// A character holding runes in each place and items of every quality around them.
TestCharacter heroWithRunes(int version) {
    TestCharacter hero;
    hero.version = version;
    const int resistanceBits = version <= 98 ? 8 : 9;
    const std::vector<TestProperty> properties{
        {0, 8, 20}, {17, 18, 5}, {39, resistanceBits, 70}, {198, 23, 1234}};
    // The newest edition's runes in sockets carry a count of 0.
    const auto socketed = [&](int number) {
        TestItem item = rune(number);
        if (version == 105) item.stackCount = 0;
        return item;
    };
    TestItem runeword = extended("lsd", 2, properties);
    runeword.runeword = runeword.ethereal = true;
    runeword.personalName = "Smith";
    runeword.sockets = {socketed(8), socketed(9)};
    TestItem set = extended("buc", 5, properties);
    set.setLists = 0b00101;
    TestItem superior = extended("cap", 3);
    superior.sockets = {socketed(3)};
    TestItem cursor = rune(33);
    cursor.location = 4;
    hero.items = {rune(1), rune(1), rune(5, 4), rune(10, 5), cursor, runeword, set, superior};
    for (const auto& [code, quality] : {std::pair{"amu", 4}, {"cap", 6}, {"rin", 7}})
        hero.items.push_back(extended(code, quality, properties));
    TestItem fallen = extended("cap", 1);
    fallen.location = 1;
    fallen.sockets = {rune(21)};
    hero.corpses = {{fallen}};
    TestItem mercenaryWeapon = extended("lsd", 2);
    mercenaryWeapon.sockets = {rune(22)};
    hero.mercenary = {mercenaryWeapon};
    hero.golem = extended("lsd", 2);
    if (version == 105) {  // the newest edition's Warlock, without the expansion bit
        hero.gameClass = 7;
        hero.expansion = false;
        hero.latestEdition = true;
    }
    return hero;
}

TEST(SaveFileCharacter, RunesCountByPlaceInEveryVersion) {
    for (const int version : {97, 98, 99, 105}) {
        SCOPED_TRACE(version);
        const SaveFileReading reading =
            SaveFileReader::readBytes(testing::characterFile(heroWithRunes(version)), "Runa.d2s");
        ASSERT_TRUE(reading.ok()) << reading.reason;
        const SaveFileSummary& hero = *reading.summary;
        EXPECT_EQ(hero.kind, SaveFileKind::Character);
        EXPECT_EQ(hero.name, "Runa");
        EXPECT_EQ(hero.level, 42);
        EXPECT_EQ(hero.characterClass, version == 105 ? 7 : 6);  // Warlock, Paladin
        EXPECT_TRUE(hero.expansion);
        EXPECT_FALSE(hero.hardcore);
        EXPECT_EQ(hero.looseAt(RuneLocation::Inventory).count(1), 2);
        EXPECT_EQ(hero.looseAt(RuneLocation::HoradricCube).count(5), 1);
        EXPECT_EQ(hero.looseAt(RuneLocation::PersonalStash).count(10), 1);
        EXPECT_EQ(hero.looseAt(RuneLocation::Elsewhere).count(33), 1);
        EXPECT_EQ(held(hero.allLoose()), (std::vector<int>{1, 1, 5, 10, 33}));
        EXPECT_EQ(held(hero.socketed), (std::vector<int>{3, 8, 9, 21, 22}));
    }
}

TEST(SaveFileCharacter, NeverPlayedCharacterHoldsItsHeaderAlone) {
    TestCharacter fresh;
    fresh.hardcore = true;
    std::string bytes = testing::characterFile(fresh);
    bytes.resize(335);
    testing::sealCharacterFile(bytes);
    const SaveFileReading reading = SaveFileReader::readBytes(bytes, "Runa.d2s");
    ASSERT_TRUE(reading.ok()) << reading.reason;
    EXPECT_TRUE(reading.summary->hardcore);
    EXPECT_TRUE(held(reading.summary->allLoose()).empty());
}

TEST(SaveFileStash, TabsCountTheirRunesAndTheMaterialsTabItsStacks) {
    TestItem runeword = extended("lsd", 2);
    runeword.runeword = true;
    runeword.sockets = {rune(4), rune(4)};
    const std::string classic =
        testing::stashFile(99, {{0, {rune(2, 5)}}, {0, {runeword}}, {0, {rune(2, 5), rune(7, 5)}}});
    const SaveFileReading three = SaveFileReader::readBytes(classic, "SharedStashSoftCoreV2.d2i");
    ASSERT_TRUE(three.ok()) << three.reason;
    EXPECT_EQ(three.summary->kind, SaveFileKind::SharedStash);
    EXPECT_FALSE(three.summary->hardcore);
    EXPECT_EQ(held(three.summary->looseAt(RuneLocation::SharedStash)), (std::vector<int>{2, 2, 7}));
    EXPECT_EQ(held(three.summary->socketed), (std::vector<int>{4, 4}));

    TestItem stackOf200 = rune(30, 5), emptyStack = rune(31, 5), gems = rune(1, 5);
    stackOf200.stackCount = 200;
    emptyStack.stackCount = 0;
    gems.code = "gcv";
    gems.stackCount = 5;
    std::vector<testing::TestStashSection> sections(5, {0, {}});
    sections[0].items = {rune(30, 5)};
    sections.push_back({1, {stackOf200, emptyStack, gems}});
    sections.push_back({2, {}});
    const std::string modern = testing::stashFile(105, sections);
    const SaveFileReading seven =
        SaveFileReader::readBytes(modern, "ModernSharedStashHardCoreV2.d2i");
    ASSERT_TRUE(seven.ok()) << seven.reason;
    EXPECT_TRUE(seven.summary->hardcore);
    EXPECT_EQ(seven.summary->looseAt(RuneLocation::SharedStash).count(30), 201);
    EXPECT_EQ(seven.summary->looseAt(RuneLocation::SharedStash).count(31), 0);
}

TEST(SaveFileReader, DamagedFilesFailWithTheirReason) {
    const std::string hero = testing::characterFile(heroWithRunes(99));
    const std::string stash =
        testing::stashFile(105, {{0, {rune(2, 5)}}, {0, {}}, {0, {rune(3, 5)}}});
    const auto withItem = [](TestItem item) {
        TestCharacter character;
        character.items = {rune(1), std::move(item)};
        return testing::characterFile(character);
    };
    const auto changed = [](std::string bytes, std::size_t offset, std::uint32_t value, bool seal) {
        testing::put32(bytes, offset, value);
        if (seal) testing::sealCharacterFile(bytes);
        return bytes;
    };
    TestItem badProperty = extended("amu", 4, {{8, 8, 1}});
    TestItem badQuality = extended("amu", 9);
    TestItem nested = extended("cap", 2), inner = extended("cap", 2);
    inner.sockets = {rune(1)};
    nested.sockets = {inner};
    TestItem unknownCode = rune(1);
    unknownCode.code = "zzz";
    std::string tooLong = hero + '\0';
    testing::sealCharacterFile(tooLong);
    std::string stashTooLong = stash;
    const std::uint32_t firstTab = littleEndian(stash, 16);
    stashTooLong.insert(firstTab, 1, '\0');
    testing::put32(stashTooLong, 16, firstTab + 1);

    const std::pair<std::string, const char*> cases[] = {
        {"SAVE", "not a save file"},
        {changed(hero, 4, 100, true), "version 100 is unknown"},
        {changed(hero, 4, 96, true), "classic game (version 96)"},
        {changed(stash, 8, 104, false), "version 104 is unknown"},
        {changed(hero, hero.size() - 4, 0x01020304, false), "checksum does not match"},
        {changed(hero, 8, 10000, false), "not as long as its header says"},
        {withItem(unknownCode), "unknown item code \"zzz\""},
        {withItem(badProperty), "unknown item property 8"},
        {withItem(badQuality), "unknown quality 9"},
        {withItem(nested), "a socket with sockets of its own"},
        {tooLong, "unexpected data after the last item"},
        {stashTooLong, "items end before its section does"},
        {stash + stash.substr(0, littleEndian(stash, 16)), "4 sections"},
    };
    for (const auto& [bytes, reason] : cases) {
        const SaveFileReading reading = SaveFileReader::readBytes(bytes, "x");
        EXPECT_FALSE(reading.ok());
        EXPECT_NE(reading.reason.find(reason), std::string::npos) << reading.reason;
    }
}

TEST(SaveFileReader, ReadsOnlyRegularFilesOfAtMost8MiB) {
    const ::sockwright::testing::TempFolder folder;
    const auto file = folder.write("Runa.d2s", testing::characterFile(heroWithRunes(98)));
    EXPECT_TRUE(SaveFileReader::readFile(file).ok());

    const SaveFileReading folderRead = SaveFileReader::readFile(folder.path());
    EXPECT_NE(folderRead.reason.find("cannot be opened"), std::string::npos);
    std::filesystem::resize_file(file, kMostSaveFileBytes + 1);
    const SaveFileReading huge = SaveFileReader::readFile(file);
    EXPECT_EQ(huge.message(file),
              "Cannot read \"Runa.d2s\": it is larger than any save file (over 8 MiB).");
}

}  // namespace
}  // namespace sockwright::savefile
