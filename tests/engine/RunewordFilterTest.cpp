#include "engine/RunewordFilter.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace sockwright {
namespace {

Runeword makeRuneword(const std::string& name, std::initializer_list<int> runes,
                      EquipmentMask equipment = kAllEquipment) {
    Runeword runeword;
    runeword.name = name;
    runeword.equipmentMask = equipment;
    runeword.runeCount = static_cast<std::int32_t>(runes.size());
    int socket = 0;
    for (int rune : runes) {
        runeword.runes[socket++] = rune;
        runeword.runeSet.add(rune);
    }
    return runeword;
}

RuneSet runesOf(std::initializer_list<int> numbers) {
    RuneSet set;
    for (int number : numbers) set.add(number);
    return set;
}

Character characterWith(RuneLogic logic, RuneSet runes, EquipmentMask equipment = kAllEquipment,
                        RuneCountFilter count = kAnyRuneCount) {
    Character character;
    character.runeLogic = logic;
    character.runes = runes;
    character.equipment = equipment;
    character.runeCountFilter = count;
    return character;
}

std::vector<std::string> listedNames(const Character& character, const RunewordList& list) {
    std::vector<std::string> names;
    for (const Runeword* runeword : RunewordFilter(character).listedRunewords(list)) {
        names.push_back(runeword->name);
    }
    return names;
}

using Names = std::vector<std::string>;

// Bit 0 of each row (runes 1, 12, 23) is a rune like any other.
const RunewordList kBitZeroRunewords{
    makeRuneword("OnlyEl", {1}),          makeRuneword("ElAndTir", {1, 3}),
    makeRuneword("OnlySol", {12}),        makeRuneword("OnlyLem", {23}),
    makeRuneword("TirAndNef", {3, 4}),    makeRuneword("SolLemTir", {12, 23, 3}),
};

TEST(RuneLogicTest, AnyListsEveryRunewordSharingASelectedRune) {
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Any, runesOf({1})), kBitZeroRunewords),
              (Names{"OnlyEl", "ElAndTir"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Any, runesOf({12})), kBitZeroRunewords),
              (Names{"OnlySol", "SolLemTir"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Any, runesOf({23})), kBitZeroRunewords),
              (Names{"OnlyLem", "SolLemTir"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Any, runesOf({33, 4})), kBitZeroRunewords),
              (Names{"TirAndNef"}));
}

TEST(RuneLogicTest, AllNeedsEverySelectedRuneInTheRuneword) {
    EXPECT_EQ(listedNames(characterWith(RuneLogic::All, runesOf({1})), kBitZeroRunewords),
              (Names{"OnlyEl", "ElAndTir"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::All, runesOf({12, 23})), kBitZeroRunewords),
              (Names{"SolLemTir"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::All, runesOf({1, 12})), kBitZeroRunewords),
              Names{});

    const RunewordList list{makeRuneword("RalAndSol", {8, 12}), makeRuneword("Ral", {8}),
                            makeRuneword("Sol", {12}), makeRuneword("RalSolTir", {3, 8, 12})};
    EXPECT_EQ(listedNames(characterWith(RuneLogic::All, runesOf({8, 12})), list),
              (Names{"RalAndSol", "RalSolTir"}));
}

TEST(RuneLogicTest, CompleteNeedsEveryRuneOfTheRunewordSelected) {
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, runesOf({1, 3})), kBitZeroRunewords),
              (Names{"OnlyEl", "ElAndTir"}));
    EXPECT_EQ(
        listedNames(characterWith(RuneLogic::Complete, runesOf({3, 12, 23})), kBitZeroRunewords),
        (Names{"OnlySol", "OnlyLem", "SolLemTir"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, RuneSet::all()), kBitZeroRunewords)
                  .size(),
              kBitZeroRunewords.size());
}

TEST(RuneLogicTest, EmptySelection) {
    RunewordList list = kBitZeroRunewords;
    list.push_back(makeRuneword("NoRunes", {}));
    list.back().runeCount = -1;
    const RuneSet none;

    EXPECT_EQ(listedNames(characterWith(RuneLogic::Any, none), list), Names{});
    EXPECT_EQ(listedNames(characterWith(RuneLogic::All, none), list).size(), list.size());
    // Only a runeword without runes can be made from nothing; it never shares a rune.
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, none), list), (Names{"NoRunes"}));
    EXPECT_FALSE(RunewordFilter(characterWith(RuneLogic::Any, RuneSet::all()))
                     .runeLogicMatches(list.back()));
}

TEST(RuneLogicTest, LogicOutsideTheThreeListsNothing) {
    for (int logic : {0, 4, -1}) {
        SCOPED_TRACE(logic);
        const Character character =
            characterWith(static_cast<RuneLogic>(logic), RuneSet::all());
        EXPECT_TRUE(RunewordFilter(character).listedRunewords(kBitZeroRunewords).empty());
    }
}

TEST(RunewordListingTest, RepeatedRuneIsOneRuneButTwoSockets) {
    const RunewordList list{makeRuneword("RalRal", {8, 8})};
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, runesOf({8})), list),
              (Names{"RalRal"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, runesOf({8}), kAllEquipment, 2), list),
              (Names{"RalRal"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, runesOf({8}), kAllEquipment, 1), list),
              Names{});
}

TEST(RunewordListingTest, EquipmentMustShareAType) {
    const RunewordList list{makeRuneword("Mace", {8}, 0x00000008),
                            makeRuneword("Shield", {8}, 0x04000000)};
    const RuneSet all = RuneSet::all();
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, all, kMeleeEquipment), list),
              (Names{"Mace"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, all, kDefenceEquipment), list),
              (Names{"Shield"}));
    EXPECT_EQ(listedNames(characterWith(RuneLogic::All, RuneSet{}, 0), list), Names{});
}

TEST(RunewordListingTest, RuneCountFilter) {
    RunewordList list;
    for (int count = 1; count <= kMaxRunesPerRuneword; ++count) {
        Runeword runeword = makeRuneword("Count" + std::to_string(count), {});
        runeword.runeCount = count;
        list.push_back(runeword);
    }
    const RuneSet all = RuneSet::all();
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, all, kAllEquipment, 7), list).size(),
              list.size());
    EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, all, kAllEquipment, 4), list),
              (Names{"Count4"}));

    // Filters an edited settings file may hold; runewords whose runes line held no number have
    // the same counts and must still not be listed by them.
    Runeword zero = makeRuneword("Zero", {});
    Runeword minusOne = makeRuneword("MinusOne", {});
    minusOne.runeCount = -1;
    list.push_back(zero);
    list.push_back(minusOne);
    for (int filter : {0, -1, 8}) {
        SCOPED_TRACE(filter);
        EXPECT_EQ(listedNames(characterWith(RuneLogic::Complete, all, kAllEquipment, filter), list),
                  Names{});
    }
}

TEST(RunewordListingTest, KeepsFileOrderAndPointsIntoTheList) {
    const RunewordList list{makeRuneword("Zephyr", {8}), makeRuneword("Ancients", {9}),
                            makeRuneword("Mist", {8, 9}), makeRuneword("Black", {30})};
    const Character character = characterWith(RuneLogic::Any, runesOf({8, 9}));
    const auto listed = RunewordFilter(character).listedRunewords(list);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0], &list[0]);
    EXPECT_EQ(listed[1], &list[1]);
    EXPECT_EQ(listed[2], &list[2]);

    EXPECT_TRUE(RunewordFilter(character).listedRunewords(RunewordList{}).empty());
}

}  // namespace
}  // namespace sockwright
