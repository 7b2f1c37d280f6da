#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

constexpr std::array<const char*, 33> kRuneNames{
    "El",  "Eld",   "Tir", "Nef", "Eth", "Ith", "Tal", "Ral", "Ort", "Thul", "Amn",
    "Sol", "Shael", "Dol", "Hel", "Io",  "Lum", "Ko",  "Fal", "Lem", "Pul",  "Um",
    "Mal", "Ist",   "Gul", "Vex", "Ohm", "Lo",  "Sur", "Ber", "Jah", "Cham", "Zod"};

// The game's complete runewords.
constexpr std::array<const char*, 98> kRunewordNames{"Ancients' Pledge",
                                                     "Authority",
                                                     "Beast",
                                                     "Black",
                                                     "Bone",
                                                     "Bramble",
                                                     "Brand",
                                                     "Breath of the Dying",
                                                     "Call to Arms",
                                                     "Chains of Honor",
                                                     "Chaos",
                                                     "Crescent Moon",
                                                     "Death",
                                                     "Delirium",
                                                     "Destruction",
                                                     "Doom",
                                                     "Dragon",
                                                     "Dream",
                                                     "Duress",
                                                     "Edge",
                                                     "Enigma",
                                                     "Enlightenment",
                                                     "Eternity",
                                                     "Exile",
                                                     "Faith",
                                                     "Famine",
                                                     "Flickering Flame",
                                                     "Fortitude",
                                                     "Fury",
                                                     "Gloom",
                                                     "Grief",
                                                     "Hand of Justice",
                                                     "Harmony",
                                                     "Heart of the Oak",
                                                     "Holy Thunder",
                                                     "Honor",
                                                     "Ice",
                                                     "Infinity",
                                                     "Insight",
                                                     "King's Grace",
                                                     "Kingslayer",
                                                     "Last Wish",
                                                     "Lawbringer",
                                                     "Leaf",
                                                     "Lionheart",
                                                     "Lore",
                                                     "Malice",
                                                     "Melody",
                                                     "Memory",
                                                     "Mist",
                                                     "Myth",
                                                     "Nadir",
                                                     "Oath",
                                                     "Obedience",
                                                     "Obsession",
                                                     "Passion",
                                                     "Pattern",
                                                     "Peace",
                                                     "Voice of Reason",
                                                     "Phoenix",
                                                     "Plague",
                                                     "Pride",
                                                     "Principle",
                                                     "Prudence",
                                                     "Radiance",
                                                     "Rain",
                                                     "Rhyme",
                                                     "Rift",
                                                     "Sanctuary",
                                                     "Silence",
                                                     "Smoke",
                                                     "Spirit",
                                                     "Splendor",
                                                     "Stealth",
                                                     "Steel",
                                                     "Stone",
                                                     "Strength",
                                                     "Treachery",
                                                     "Unbending Will",
                                                     "Venom",
                                                     "Void",
                                                     "Wealth",
                                                     "White",
                                                     "Wind",
                                                     "Wisdom",
                                                     "Wrath",
                                                     "Zephyr",
                                                     "Hustle",
                                                     "Mosaic",
                                                     "Metamorphosis",
                                                     "Ground",
                                                     "Temper",
                                                     "Hearth",
                                                     "Cure",
                                                     "Bulwark",
                                                     "Coven",
                                                     "Vigilance",
                                                     "Ritual"};

// The data files the program ships load without a message and hold the game's runes and runewords.
TEST(ShippedDataTest, HoldsTheGamesRunesAndRunewords) {
    testing::TempFolder folder;
    for (const char* name : {"runes.txt", "runewords.txt", "realms.txt"}) {
        const std::filesystem::path shipped = SOCKWRIGHT_SHIPPED_DATA;
        std::filesystem::copy_file(shipped / name, folder.path() / name);
    }
    testing::RecordingMessageSink messages;
    ProgramState state;
    state.dataFolder = folder.path();
    ASSERT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
    EXPECT_TRUE(messages.messages.empty());

    ASSERT_EQ(state.runeTable.filledCount(), kRuneCount);
    for (int number = 1; number <= kRuneCount; ++number) {
        const Rune* rune = state.runeTable.find(number);
        EXPECT_EQ(rune->name, kRuneNames[number - 1]);
        EXPECT_NE(rune->weaponsText, "?") << rune->name;
        EXPECT_NE(rune->shieldsText, "?") << rune->name;
    }

    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{1, 0, 0}));
    const RunewordList& list = *state.runewords;
    EXPECT_EQ(list.size(), 99u);
    for (const Runeword& runeword : list) {
        SCOPED_TRACE(runeword.name);
        EXPECT_NE(runeword.equipmentMask, 0u);
        EXPECT_EQ(runeword.equipmentMask & ~kAllEquipment, 0u);
        EXPECT_GE(runeword.runeCount, 2);
        EXPECT_LE(runeword.runeCount, kMaxRunesPerRuneword);
        for (int i = 0; i < runeword.runeCount; ++i) EXPECT_TRUE(isRuneNumber(runeword.runes[i]));
        EXPECT_FALSE(runeword.properties.empty());
    }
    const auto find = [&](std::string_view name) {
        return std::find_if(list.begin(), list.end(), [&](auto& w) { return w.name == name; });
    };
    for (const char* name : kRunewordNames) EXPECT_NE(find(name), list.end()) << name;
    // Required levels come from the runes, which are read first.
    for (const auto& [name, level] : {std::pair{"Enigma", 65}, {"Spirit", 25}, {"Steel", 13}}) {
        EXPECT_TRUE(find(name) != list.end() && find(name)->requiredLevel == level) << name;
    }
    EXPECT_NE(std::find(state.realms.begin(), state.realms.end(), "USEast"), state.realms.end());
    EXPECT_EQ(std::count(state.realms.begin(), state.realms.end(), ""), 0);
    EXPECT_FALSE(state.accounts.empty());  // no settings file: the default account
}

}  // namespace
}  // namespace sockwright
