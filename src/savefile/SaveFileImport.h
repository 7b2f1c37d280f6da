#pragma once

#include <optional>

#include "model/AccountList.h"
#include "savefile/SaveFileSummary.h"

namespace sockwright::savefile {

// The program's character type for a character read from his file: hardcore before expansion.
int characterTypeOf(const SaveFileSummary& character);

// Where a character read from his file goes in an account: the slot whose name is his (letter
// case of A to Z ignored), else the first free slot; nothing when neither exists.
struct ImportTarget {
    int slot = 0;
    bool updates = false;  // the slot holds him already
};
std::optional<ImportTarget> importTarget(const Account& account, const SaveFileSummary& character);

// Takes a character read from his file into the account's slot importTarget names. The slot gets
// his name,
// level, class and type, and his loose runes as its rune counts. The slot, or nothing when no
// slot has his name and the account is full (then nothing changed).
std::optional<int> importCharacter(AccountList& accounts, Account& account,
                                   const SaveFileSummary& character);

// Puts the loose runes of a shared stash into a character's counts: added to them, or replacing
// them.
enum class StashImport { Add, Replace };
void importStash(Character& character, const SaveFileSummary& stash, StashImport how);

}  // namespace sockwright::savefile
