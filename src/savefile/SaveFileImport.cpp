#include "savefile/SaveFileImport.h"

#include "model/AsciiCase.h"
#include "model/CharacterRunes.h"
#include "model/CharacterType.h"

namespace sockwright::savefile {

int characterTypeOf(const SaveFileSummary& character) {
    if (character.hardcore) return kHardcoreCharacter;
    return character.expansion ? kExpansionCharacter : kClassicCharacter;
}

std::optional<ImportTarget> importTarget(const Account& account, const SaveFileSummary& character) {
    std::optional<int> freeSlot;
    for (int index = 0; index < kCharacterSlots; ++index) {
        const Character& held = account.characters[static_cast<std::size_t>(index)];
        if (held.inUse && equalIgnoringAsciiCase(held.name, character.name))
            return ImportTarget{index, true};
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
    setRuneCounts(account.characters[static_cast<std::size_t>(target->slot)], character.allLoose());
    return target->slot;
}

void importStash(Character& character, const SaveFileSummary& stash, StashImport how) {
    RuneCounts counts = stash.allLoose();
    if (how == StashImport::Add) {
        for (int rune = 1; rune <= kRuneCount; ++rune) {
            counts.add(rune, character.runeCounts.count(rune));
        }
    }
    setRuneCounts(character, counts);
}

}  // namespace sockwright::savefile
