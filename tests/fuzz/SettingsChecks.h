#pragma once

#include "fuzz/FuzzTarget.h"
#include "model/CharacterClass.h"
#include "model/SettingsFile.h"

namespace sockwright::fuzz {

inline bool isOneLine(const std::string& text) {
    return !text.empty() && text.find_first_of(std::string_view("\n\0", 2)) == std::string::npos;
}

// What the rest of the program relies on after any load: an account, a current account from the
// list, slots in use as a prefix from slot 0, a current character in use, every value in range.
inline void checkLoadedSettings(const ProgramState& state) {
    const AccountList& accounts = state.accounts;
    FUZZ_CHECK(!accounts.empty() && accounts.indexOf(accounts.currentAccount()) >= 0);
    FUZZ_CHECK(accounts.currentCharacter() >= 0 && accounts.currentCharacter() < kCharacterSlots);
    FUZZ_CHECK(accounts.currentCharacterRecord().inUse);
    for (const auto& account : accounts.accounts()) {
        FUZZ_CHECK(isOneLine(account->name) && isOneLine(account->realm));
        const int inUse = account->charactersInUse();
        FUZZ_CHECK(inUse >= 1);
        for (int index = 0; index < kCharacterSlots; ++index) {
            const Character& slot = account->characters[index];
            FUZZ_CHECK(slot.inUse == (index < inUse));
            FUZZ_CHECK(isOneLine(slot.name));
            FUZZ_CHECK(isCharacterClass(slot.characterClass));
            FUZZ_CHECK(isCharacterType(slot.characterType));
            FUZZ_CHECK(isRuneCountFilter(slot.runeCountFilter) && isRuneLogic(slot.runeLogic));
        }
    }
}

// Whether two loads give the program the same accounts, selections and switches.
inline bool sameSettings(const ProgramState& a, const ProgramState& b) {
    const AccountList& x = a.accounts;
    const AccountList& y = b.accounts;
    if (x.size() != y.size() || x.indexOf(x.currentAccount()) != y.indexOf(y.currentAccount()) ||
        x.currentCharacter() != y.currentCharacter() ||
        a.settings.checkForUpdates != b.settings.checkForUpdates ||
        a.settings.remindMissingFont != b.settings.remindMissingFont) {
        return false;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        const Account& one = *x.accounts()[i];
        const Account& other = *y.accounts()[i];
        if (one.name != other.name || one.realm != other.realm ||
            one.characters != other.characters) {
            return false;
        }
    }
    return true;
}

}  // namespace sockwright::fuzz
