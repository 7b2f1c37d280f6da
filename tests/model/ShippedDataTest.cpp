#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

constexpr std::array<const char*, 33> kRuneNames{
    "El",  "Eld", "Tir", "Nef", "Eth", "Ith", "Tal", "Ral", "Ort", "Thul", "Amn",
    "Sol", "Shael", "Dol", "Hel", "Io", "Lum", "Ko", "Fal", "Lem", "Pul", "Um",
    "Mal", "Ist", "Gul", "Vex", "Ohm", "Lo", "Sur", "Ber", "Jah", "Cham", "Zod"};

// The game's complete runewords.
constexpr std::array<const char*, 98> kRunewordNames{
    "Ancients' Pledge", "Authority", "Beast", "Black", "Bone", "Bramble", "Brand",
    "Breath of the Dying", "Call to Arms", "Chains of Honor", "Chaos", "Crescent Moon", "Death",
    "Delirium", "Destruction", "Doom", "Dragon", "Dream", "Duress", "Edge", "Enigma",
    "Enlightenment", "Eternity", "Exile", "Faith", "Famine", "Flickering Flame", "Fortitude",
    "Fury", "Gloom", "Grief", "Hand of Justice", "Harmony", "Heart of the Oak", "Holy Thunder",
    "Honor", "Ice", "Infinity", "Insight", "King's Grace", "Kingslayer", "Last Wish",
    "Lawbringer", "Leaf", "Lionheart", "Lore", "Malice", "Melody", "Memory", "Mist", "Myth",
    "Nadir", "Oath", "Obedience", "Obsession", "Passion", "Pattern", "Peace", "Voice of Reason",
    "Phoenix", "Plague", "Pride", "Principle", "Prudence", "Radiance", "Rain", "Rhyme", "Rift",
    "Sanctuary", "Silence", "Smoke", "Spirit", "Splendor", "Stealth", "Steel", "Stone",
    "Strength", "Treachery", "Unbending Will", "Venom", "Void", "Wealth", "White", "Wind",
    "Wisdom", "Wrath", "Zephyr", "Hustle", "Mosaic", "Metamorphosis", "Ground", "Temper",
    "Hearth", "Cure", "Bulwark", "Coven", "Vigilance", "Ritual"};

class ShippedDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path data = folder.path() / "data";
        std::filesystem::create_directory(data);
        for (const char* name : {"runes.txt", "runewords.txt", "realms.txt"}) {
            std::filesystem::copy_file(std::filesystem::path(SOCKWRIGHT_SHIPPED_DATA) / name, data / name);
        }
        state.dataFolder = data;
        ASSERT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
        ASSERT_TRUE(messages.messages.empty());
    }

    testing::TempFolder folder;
    ProgramState state;
    testing::RecordingMessageSink messages;
};

TEST_F(ShippedDataTest, HoldsTheThirtyThreeRunesInGameOrder) {
    ASSERT_EQ(state.runeTable.filledCount(), kRuneCount);
    for (int number = 1; number <= kRuneCount; ++number) {
        const Rune* rune = state.runeTable.find(number);
        EXPECT_EQ(rune->name, kRuneNames[number - 1]);
        EXPECT_GE(rune->level, 0);  // Hel requires no level at all
        EXPECT_NE(rune->weaponsText, "?") << rune->name;
        EXPECT_NE(rune->shieldsText, "?") << rune->name;
    }
}

TEST_F(ShippedDataTest, RunewordsAreCompleteAndSound) {
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{1, 0, 0}));
    const RunewordList& list = *state.runewords;
    EXPECT_EQ(list.size(), 99u);
    for (const Runeword& runeword : list) {
        SCOPED_TRACE(runeword.name);
        EXPECT_NE(runeword.equipmentMask, 0u);
        EXPECT_EQ(runeword.equipmentMask & ~kAllEquipment, 0u);
        EXPECT_FALSE(runeword.equipmentText.empty());
        EXPECT_GE(runeword.runeCount, 2);
        EXPECT_LE(runeword.runeCount, kMaxRunesPerRuneword);
        for (int i = 0; i < runeword.runeCount; ++i) EXPECT_TRUE(isRuneNumber(runeword.runes[i]));
        EXPECT_FALSE(runeword.properties.empty());
    }
    for (const char* name : kRunewordNames) {
        EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const Runeword& r) { return r.name == name; }))
            << name;
    }
}

TEST_F(ShippedDataTest, RealmsIncludeUsEast) {
    EXPECT_NE(std::find(state.realms.begin(), state.realms.end(), "USEast"), state.realms.end());
    EXPECT_EQ(std::count(state.realms.begin(), state.realms.end(), ""), 0);
}

}  // namespace
}  // namespace sockwright
