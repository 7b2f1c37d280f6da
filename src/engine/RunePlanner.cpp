#include "engine/RunePlanner.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/RunewordFilter.h"

namespace sockwright {
namespace {

// What a runeword lacks of the held runes: how many copies in all (counting stops at 2), and
// the rune when a single copy is missing.
struct Shortfall {
    int copies = 0;
    int rune = 0;
};

// Two or more distinct runes of `wanted` not owned at all. Bit tests settle most runewords of a
// thousand without counting copies.
bool lacksTwoRunes(const RuneSet& wanted, const RuneSet& owned) {
    int found = 0;
    for (int row = 0; row < kRuneRowCount; ++row) {
        const std::uint32_t missing = wanted.rows[row] & ~owned.rows[row];
        if (missing == 0) continue;
        if ((missing & (missing - 1)) != 0 || ++found == 2) return true;
    }
    return false;
}

Shortfall shortfallOf(const Runeword& runeword, const RuneCounts& held) {
    const auto first = runeword.runes.begin();
    const auto end = first + std::clamp<int>(runeword.runeCount, 0, kMaxRunesPerRuneword);
    Shortfall shortfall;
    for (auto socket = first; socket != end; ++socket) {
        const int rune = *socket;
        // Each rune is counted once, at its first socket.
        if (!isRuneNumber(rune) || std::find(first, socket, rune) != socket) continue;
        const auto needed = static_cast<int>(std::count(socket, end, rune));
        const int missing = needed - held.count(rune);
        if (missing <= 0) continue;
        shortfall.copies += missing;
        shortfall.rune = rune;
        if (shortfall.copies >= 2) return {2, 0};
    }
    return shortfall;
}

// A runeword without runes (a broken runes line) is nothing one could make.
bool isPlanned(const RunewordFilter& filter, const Runeword& runeword) {
    return !runeword.runeSet.empty() && filter.fitsEquipmentAndCount(runeword);
}

}  // namespace

std::vector<const Runeword*> plannedRunewords(const CharacterSelections& filters,
                                              const RunewordList& runewords) {
    const RunewordFilter filter(filters);
    std::vector<const Runeword*> planned;
    planned.reserve(runewords.size());
    for (const Runeword& runeword : runewords) {
        if (isPlanned(filter, runeword)) planned.push_back(&runeword);
    }
    return planned;
}

RunePlan planRunes(const CharacterSelections& filters, const RuneCounts& held,
                   const RunewordList& runewords) {
    RunePlan plan;
    std::array<std::vector<const Runeword*>, kRuneCount + 1> byMissingRune;
    const RunewordFilter filter(filters);
    const RuneSet owned = held.owned();
    for (const Runeword& runeword : runewords) {
        if (!isPlanned(filter, runeword) || lacksTwoRunes(runeword.runeSet, owned)) continue;
        const Shortfall shortfall = shortfallOf(runeword, held);
        if (shortfall.copies == 0) {
            plan.canMakeNow.push_back(&runeword);
        } else if (shortfall.copies == 1) {
            byMissingRune[static_cast<std::size_t>(shortfall.rune)].push_back(&runeword);
        }
    }

    for (int rune = 1; rune <= kRuneCount; ++rune) {
        auto& group = byMissingRune[static_cast<std::size_t>(rune)];
        const int count = held.count(rune);
        if (count == 0 || !group.empty())
            plan.runesToHunt.push_back({rune, static_cast<int>(group.size()), count});
        if (group.empty()) continue;
        const CubeRecipe* recipe = cubeRecipeFor(rune);
        plan.oneRuneAway.push_back({rune, count, std::move(group), recipe,
                                    recipe != nullptr && held.count(recipe->input) > 0});
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
            if (character.inUse && shortfallOf(runeword, character.runeCounts).copies == 0)
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
