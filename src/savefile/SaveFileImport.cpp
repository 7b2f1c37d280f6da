#include "savefile/SaveFileImport.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "model/CharacterRunes.h"
#include "model/CharacterType.h"

namespace sockwright::savefile {
namespace {

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

void setCounts(Character& character, const RuneCounts& counts) {
    for (int rune = 1; rune <= kRuneCount; ++rune)
        setRuneCount(character, rune, counts.count(rune));
}

}  // namespace

int characterTypeOf(const SaveFileSummary& character) {
    if (character.hardcore) return kHardcoreCharacter;
    return character.expansion ? kExpansionCharacter : kClassicCharacter;
}

std::optional<ImportTarget> importTarget(const Account& account, const SaveFileSummary& character) {
    std::optional<int> freeSlot;
    for (int index = 0; index < kCharacterSlots; ++index) {
        const Character& held = account.characters[static_cast<std::size_t>(index)];
        if (held.inUse && sameName(held.name, character.name)) return ImportTarget{index, true};
        if (!held.inUse && !freeSlot) freeSlot = index;
    }
    if (!freeSlot) return std::nullopt;
    return ImportTarget{*freeSlot, false};
}

std::optional<int> importCharacter(AccountList& accounts, Account& account,
                                   const SaveFileSummary& character) {
    const std::optional<ImportTarget> target = importTarget(account, character);
    if (!target) return std::nullopt;
    const int type = characterTypeOf(character);
    if (target->updates) {
        accounts.editCharacter(account, target->slot, character.name, character.level,
                               character.characterClass, type);
    } else {
        // The account's first free slot, the one the target names.
        accounts.addCharacter(account, character.name, character.level, character.characterClass,
                              type);
    }
    setCounts(account.characters[static_cast<std::size_t>(target->slot)], character.allLoose());
    return target->slot;
}

void importStash(Character& character, const SaveFileSummary& stash, StashImport how) {
    RuneCounts counts = stash.allLoose();
    if (how == StashImport::Add) {
        for (int rune = 1; rune <= kRuneCount; ++rune) {
            counts.add(rune, character.runeCounts.count(rune));
        }
    }
    setCounts(character, counts);
}

}  // namespace sockwright::savefile
