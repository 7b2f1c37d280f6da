#include "engine/RunewordDetails.h"

#include <algorithm>

namespace sockwright {
namespace {

// How many of the runeword's rune numbers are defined: runeCount, never more than the six
// sockets and never negative.
int definedRuneCount(const Runeword& runeword) {
    return std::clamp(static_cast<int>(runeword.runeCount), 0, kMaxRunesPerRuneword);
}

}  // namespace

std::string levelBadgeText(int requiredLevel) {
    return "Clvl\n" + std::to_string(requiredLevel);
}

bool levelBadgeIsRed(int characterLevel, int requiredLevel) {
    return characterLevel < requiredLevel;
}

std::array<int, kMaxRunesPerRuneword> socketRunes(const Runeword& runeword,
                                                  const RuneTable& runeTable) {
    std::array<int, kMaxRunesPerRuneword> sockets{};
    const int count = definedRuneCount(runeword);
    for (int i = 0; i < count; ++i) {
        const int number = runeword.runes[i];
        // A rune without a record has no picture and no details: its socket stays empty.
        if (runeTable.find(number) != nullptr) sockets[i] = number;
    }
    return sockets;
}

std::string runesColumnText(const Runeword& runeword, const RuneTable& runeTable) {
    std::string text;
    const int count = definedRuneCount(runeword);
    for (int i = 0; i < count; ++i) {
        const Rune* rune = runeTable.find(runeword.runes[i]);
        text += rune != nullptr ? rune->name : "?";
        text += ' ';
    }
    return text;
}

std::string runeDetailsText(const Rune& rune) {
    std::string text = "Weapons\n" + rune.weaponsText + "\n\nArmour\n" + rune.armourText +
                       "\n\nShields\n" + rune.shieldsText;
    std::replace(text.begin(), text.end(), ',', '\n');
    return text;
}

}  // namespace sockwright
