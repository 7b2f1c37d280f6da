// The counts file reader: whatever the file holds, every character's counts agree with his rune
// bits, which the file never changes, and his goals are runeword names, each once. Written again
// and read into the same characters, the file gives each the same counts and goals; a CR LF file
// reads like its LF one.

#include "fuzz/FuzzTarget.h"
#include "model/CharacterRunes.h"
#include "model/RuneCountsFile.h"

namespace {

using namespace sockwright;

// Two accounts that match the same records (letter case aside), a name used twice in one of
// them, and characters owning different runes.
void fillRoster(AccountList& accounts) {
    accounts.clear();
    Account* first = accounts.addAccount("Main", "Europe", "Amy", 1, 0, 1);
    accounts.addCharacter(*first, "Bob", 1, 0, 1);
    accounts.addCharacter(*first, "Amy", 1, 0, 1);
    accounts.addAccount("MAIN", "europe", "Amy", 1, 0, 1);
    accounts.addAccount("Alt", "USEast", "Cid", 1, 0, 1);
    int slot = 0;
    for (const auto& account : accounts.accounts()) {
        for (Character& character : account->characters) {
            character.runes.rows[slot % kRuneRowCount] = 0x0F0u << (slot % 3);
            character.runes.rows[2] |= slot == 2 ? 0x1000u : 0u;  // a bit beyond the runes
            followRuneBits(character);
            ++slot;
        }
    }
}

void checkAgreement(const AccountList& accounts, const AccountList& roster) {
    for (std::size_t a = 0; a < accounts.size(); ++a) {
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            const Character& character = accounts.accounts()[a]->characters[slot];
            const Character& before = roster.accounts()[a]->characters[slot];
            FUZZ_CHECK(character.selections() == before.selections() &&
                       character.name == before.name);
            FUZZ_CHECK(character.runeCounts.owned() ==
                       RuneCounts::oneOfEach(character.runes).owned());
            for (std::size_t g = 0; g < character.goals.size(); ++g) {
                const std::string& goal = character.goals[g];
                FUZZ_CHECK(!goal.empty() &&
                           goal.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
                for (std::size_t h = 0; h < g; ++h) FUZZ_CHECK(character.goals[h] != goal);
            }
        }
    }
}

bool sameCharacters(const AccountList& a, const AccountList& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a.accounts()[i]->characters != b.accounts()[i]->characters) return false;
    return true;
}

}  // namespace

FUZZ_TARGET(bytes) {
    AccountList roster;
    fillRoster(roster);
    AccountList accounts;
    fillRoster(accounts);
    const int matched = applyRuneCountsText(bytes, accounts);
    FUZZ_CHECK(matched >= 0 && matched <= 5);
    checkAgreement(accounts, roster);

    if (hasPlainLines(bytes)) {
        AccountList crLf;
        fillRoster(crLf);
        FUZZ_CHECK(applyRuneCountsText(withCrLf(bytes), crLf) == matched);
        FUZZ_CHECK(sameCharacters(crLf, accounts));
    }

    AccountList again;
    fillRoster(again);
    FUZZ_CHECK(applyRuneCountsText(runeCountsFileText(accounts), again) == 5);
    FUZZ_CHECK(sameCharacters(again, accounts));
}
