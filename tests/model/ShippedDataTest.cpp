#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"

namespace sockwright {
namespace {

// The data files the program ships load without a message and hold sound runes and runewords.
TEST(ShippedDataTest, LoadsWithoutAMessageAndEveryEntryIsSound) {
    testing::RecordingMessageSink messages;
    ProgramState state;
    state.dataFolder = SOCKWRIGHT_SHIPPED_DATA;
    ASSERT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
    EXPECT_TRUE(messages.messages.empty());

    ASSERT_EQ(state.runeTable.filledCount(), kRuneCount);
    for (int number = 1; number <= kRuneCount; ++number) {
        const Rune* rune = state.runeTable.find(number);
        EXPECT_NE(rune->weaponsText, "?") << rune->name;
        EXPECT_NE(rune->shieldsText, "?") << rune->name;
    }

    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{1, 0, 0}));
    const RunewordList& list = *state.runewords;
    EXPECT_EQ(list.size(), 99u);
    std::set<std::pair<std::string, EquipmentMask>> entries;  // Hustle comes in two kinds
    for (const Runeword& runeword : list) {
        SCOPED_TRACE(runeword.name);
        EXPECT_TRUE(entries.emplace(runeword.name, runeword.equipmentMask).second) << "twice";
        EXPECT_FALSE(runeword.name.empty());
        EXPECT_NE(runeword.equipmentMask, 0u);
        EXPECT_EQ(runeword.equipmentMask & ~kAllEquipment, 0u);
        EXPECT_FALSE(runeword.equipmentText.empty());
        EXPECT_GE(runeword.runeCount, 2);
        EXPECT_LE(runeword.runeCount, kMaxRunesPerRuneword);
        for (int i = 0; i < runeword.runeCount; ++i) EXPECT_TRUE(isRuneNumber(runeword.runes[i]));
        EXPECT_FALSE(runeword.properties.empty());
    }

    // A few runewords whose equipment, level and runes are well known: runeword files name runes
    // by number, so this also checks the order of the rune file.
    const auto describe = [&](std::string_view name) {
        const auto found =
            std::find_if(list.begin(), list.end(), [&](auto& w) { return w.name == name; });
        if (found == list.end()) return std::string("missing");
        std::string text = found->equipmentText + " " + std::to_string(found->requiredLevel) + ":";
        for (int i = 0; i < found->runeCount; ++i)
            text += " " + state.runeTable.find(found->runes[i])->name;
        return text;
    };
    EXPECT_EQ(describe("Enigma"), "ARMOUR 65: Jah Ith Ber");
    EXPECT_EQ(describe("Spirit"), "SWORDS/SHIELDS 25: Tal Thul Ort Amn");
    EXPECT_EQ(describe("Steel"), "SWORDS/AXES/MACES 13: Tir El");
    EXPECT_NE(std::find(state.realms.begin(), state.realms.end(), "USEast"), state.realms.end());
    EXPECT_EQ(std::count(state.realms.begin(), state.realms.end(), ""), 0);
    EXPECT_FALSE(state.accounts.empty());  // no settings file: the default account
}

}  // namespace
}  // namespace sockwright
