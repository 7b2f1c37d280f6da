#include "engine/RunePlanner.h"

#include <algorithm>
#include <array>
#include <bit>

#include "engine/RunewordFilter.h"

namespace sockwright {
namespace {

// The runes of `wanted` that `owned` lacks.
RuneSet lacking(const RuneSet& wanted, const RuneSet& owned) {
    RuneSet missing;
    for (int row = 0; row < kRuneRowCount; ++row)
        missing.rows[row] = wanted.rows[row] & ~owned.rows[row];
    return missing;
}

// How many runes a set holds: 0, 1, or 2 for two and more. Cheaper than counting every bit,
// which matters across a thousand runewords per keystroke.
int noneOneOrMore(const RuneSet& runes) {
    int found = 0;
    for (const std::uint32_t row : runes.rows) {
        if (row == 0) continue;
        if ((row & (row - 1)) != 0) return 2;
        if (++found == 2) return 2;
    }
    return found;
}

// The number of the only rune in a set of one.
int onlyRune(const RuneSet& runes) {
    for (int row = 0; row < kRuneRowCount; ++row) {
        if (runes.rows[row] != 0) return row * kRunesPerRow + std::countr_zero(runes.rows[row]) + 1;
    }
    return 0;
}

// A runeword without runes (a broken runes line) is nothing one could make.
bool isPlanned(const RunewordFilter& filter, const Runeword& runeword) {
    return !runeword.runeSet.empty() && filter.fitsEquipmentAndCount(runeword);
}

}  // namespace

std::vector<const Runeword*> plannedRunewords(const Character& character,
                                              const RunewordList& runewords) {
    const RunewordFilter filter(character);
    std::vector<const Runeword*> planned;
    planned.reserve(runewords.size());
    for (const Runeword& runeword : runewords) {
        if (isPlanned(filter, runeword)) planned.push_back(&runeword);
    }
    return planned;
}

RunePlan planRunes(const Character& character, const RunewordList& runewords) {
    RunePlan plan;
    std::array<std::vector<const Runeword*>, kRuneCount + 1> byMissingRune;
    const RunewordFilter filter(character);
    for (const Runeword& listed : runewords) {
        if (!isPlanned(filter, listed)) continue;
        const Runeword* runeword = &listed;
        const RuneSet missing = lacking(runeword->runeSet, character.runes);
        const int missingCount = noneOneOrMore(missing);
        if (missingCount == 0) {
            plan.canMakeNow.push_back(runeword);
        } else if (missingCount == 1) {
            byMissingRune[static_cast<std::size_t>(onlyRune(missing))].push_back(runeword);
        }
    }

    for (int rune = 1; rune <= kRuneCount; ++rune) {
        auto& group = byMissingRune[static_cast<std::size_t>(rune)];
        if (!character.runes.contains(rune))
            plan.runesToHunt.push_back({rune, static_cast<int>(group.size())});
        if (group.empty()) continue;
        const CubeRecipe* recipe = cubeRecipeFor(rune);
        plan.oneRuneAway.push_back({rune, std::move(group), recipe,
                                    recipe != nullptr && character.runes.contains(recipe->input)});
    }
    // Stable: among equal counts the lower rune stays first.
    std::stable_sort(
        plan.runesToHunt.begin(), plan.runesToHunt.end(),
        [](const RuneToHunt& a, const RuneToHunt& b) { return a.completes > b.completes; });
    return plan;
}

std::vector<CharacterPlace> whoCanMake(const Runeword& runeword, const AccountList& accounts) {
    std::vector<CharacterPlace> able;
    if (runeword.runeSet.empty()) return able;
    for (const auto& account : accounts.accounts()) {
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            const Character& character = account->characters[static_cast<std::size_t>(slot)];
            // A free slot keeps the runes of a new character (all of them): it is nobody.
            if (character.inUse && lacking(runeword.runeSet, character.runes).empty())
                able.push_back({account.get(), slot});
        }
    }
    return able;
}

std::string characterPath(const CharacterPlace& place) {
    if (place.account == nullptr || place.slot < 0 || place.slot >= kCharacterSlots) return {};
    return place.account->realm + ": " + place.account->name + ": " +
           place.account->characters[static_cast<std::size_t>(place.slot)].name;
}

std::string characterLineText(const AccountList& accounts) {
    if (accounts.currentAccount() == nullptr) return {};
    return "CHARACTER: " + characterPath({accounts.currentAccount(), accounts.currentCharacter()});
}

}  // namespace sockwright
