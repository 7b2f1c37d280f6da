#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/RunewordFilter.h"
#include "support/MakeRuneword.h"

namespace sockwright {
namespace {

using Names = std::vector<std::string>;
using testing::makeRuneword;

RuneSet runesOf(const std::vector<int>& numbers) {
    return makeRuneword("", numbers).runeSet;
}

Names listedNames(RuneLogic logic, RuneSet runes, const RunewordList& list,
                  EquipmentMask equipment = kAllEquipment, RuneCountFilter count = kAnyRuneCount) {
    const CharacterSelections character{
        .runeCountFilter = count, .runeLogic = logic, .runes = runes, .equipment = equipment};
    Names names;
    for (const Runeword* listed : RunewordFilter(character).listedRunewords(list)) {
        names.push_back(listed->name);
    }
    return names;
}

TEST(RunewordFilterTest, RuneLogicsCompareTheSelectedRunesWithTheRunewords) {
    // Bit 0 of each row (runes 1, 12, 23) is a rune like any other.
    const RunewordList list{makeRuneword("El", {1}),        makeRuneword("ElTir", {1, 3}),
                            makeRuneword("Sol", {12}),      makeRuneword("Lem", {23}),
                            makeRuneword("TirNef", {3, 4}), makeRuneword("SolLemTir", {12, 23, 3}),
                            makeRuneword("NoRunes", {})};
    const Names everything{"El", "ElTir", "Sol", "Lem", "TirNef", "SolLemTir", "NoRunes"};
    const std::tuple<RuneLogic, RuneSet, Names> rows[] = {
        {RuneLogic::Any, runesOf({1}), {"El", "ElTir"}},
        {RuneLogic::Any, runesOf({23}), {"Lem", "SolLemTir"}},
        {RuneLogic::Any, runesOf({33, 4}), {"TirNef"}},
        {RuneLogic::Any, RuneSet::all(), Names(everything.begin(), everything.end() - 1)},
        {RuneLogic::Any, {}, {}},
        {RuneLogic::All, runesOf({1}), {"El", "ElTir"}},
        {RuneLogic::All, runesOf({12, 23}), {"SolLemTir"}},
        {RuneLogic::All, runesOf({1, 12}), {}},
        {RuneLogic::All, {}, everything},
        {RuneLogic::Complete, runesOf({1, 3}), {"El", "ElTir", "NoRunes"}},
        {RuneLogic::Complete, runesOf({3, 12, 23}), {"Sol", "Lem", "SolLemTir", "NoRunes"}},
        {RuneLogic::Complete, RuneSet::all(), everything},
        {RuneLogic::Complete, {}, {"NoRunes"}},  // only a runeword without runes is made of nothing
        {static_cast<RuneLogic>(0), RuneSet::all(), {}},  // a logic outside the three lists nothing
        {static_cast<RuneLogic>(4), RuneSet::all(), {}},
    };
    for (const auto& [logic, selected, listed] : rows) {
        SCOPED_TRACE(::testing::Message()
                     << static_cast<int>(logic) << " " << ::testing::PrintToString(selected.rows));
        EXPECT_EQ(listedNames(logic, selected, list), listed);
    }
}

TEST(RunewordFilterTest, EquipmentMustShareAType) {
    const RunewordList list{makeRuneword("Mace", {8}, 0x8), makeRuneword("Shield", {8}, 0x04000000),
                            makeRuneword("SwordAxeMace", {8}, 0x209)};
    const std::pair<EquipmentMask, Names> rows[] = {{kMeleeEquipment, {"Mace", "SwordAxeMace"}},
                                                    {kDefenceEquipment, {"Shield"}},
                                                    {0x200, {"SwordAxeMace"}},
                                                    {0, {}}};
    for (const auto& [wanted, names] : rows) {
        EXPECT_EQ(listedNames(RuneLogic::Complete, RuneSet::all(), list, wanted), names) << wanted;
    }
}

// A repeated rune is one selected rune but two sockets. Filters outside 1..6 and "any" come
// from an edited settings file and list nothing, not even runewords whose count they equal.
TEST(RunewordFilterTest, RuneCountFilterCountsSockets) {
    RunewordList list{makeRuneword("RalRal", {8, 8}), makeRuneword("Ral", {8}),
                      makeRuneword("None", {}), makeRuneword("Six", {8, 8, 8, 8, 8, 8})};
    list.push_back(makeRuneword("Zero", {}));
    list.back().runeCount = 0;
    const std::pair<RuneCountFilter, Names> rows[] = {
        {kAnyRuneCount, {"RalRal", "Ral", "None", "Six", "Zero"}},
        {2, {"RalRal"}},
        {6, {"Six"}},
        {1, {"Ral"}},
        {0, {}},
        {-1, {}},
        {8, {}}};
    const RuneSet ral = runesOf({8});
    for (const auto& [filter, names] : rows) {
        EXPECT_EQ(listedNames(RuneLogic::Complete, ral, list, kAllEquipment, filter), names)
            << filter;
    }
}

}  // namespace
}  // namespace sockwright
