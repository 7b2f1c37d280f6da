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

std::optional<int> importCharacter(AccountList& accounts, Account& account,
                                   const SaveFileSummary& character) {
    std::optional<int> slot;
    for (int index = 0; index < kCharacterSlots && !slot; ++index) {
        const Character& held = account.characters[static_cast<std::size_t>(index)];
        if (held.inUse && sameName(held.name, character.name)) slot = index;
    }
    const int type = characterTypeOf(character);
    if (slot) {
        accounts.editCharacter(account, *slot, character.name, character.level,
                               character.characterClass, type);
    } else {
        slot = accounts.addCharacter(account, character.name, character.level,
                                     character.characterClass, type);
        if (!slot) return std::nullopt;
    }
    setCounts(account.characters[static_cast<std::size_t>(*slot)], character.allLoose());
    return slot;
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
