// The counts file reader: whatever the file holds, every character's counts agree with his rune
// bits, which the file never changes, and his goals are runeword names, each once. Written again
// and read into the same characters, the file gives each the same counts and goals; a CR LF file
// reads like its LF one.

#include "fuzz/FuzzTarget.h"
#include "model/CharacterRunes.h"
#include "model/RuneCountsFile.h"

namespace {

using namespace sockwright;

// Five characters owning different runes: two accounts that take the same records (letter case
// aside), one of them holding a name twice.
void fillRoster(AccountList& accounts) {
    Account* first = accounts.addAccount("Main", "Europe", "Amy", 1, 0, 1);
    accounts.addCharacter(*first, "Bob", 1, 0, 1);
    accounts.addCharacter(*first, "Amy", 1, 0, 1);
    accounts.addAccount("MAIN", "europe", "Amy", 1, 0, 1);
    accounts.addAccount("Alt", "USEast", "Cid", 1, 0, 1);
    for (int n = 0; n < 15; ++n) {
        Character& character = accounts.accounts()[n / 8]->characters[n % 8];
        character.runes.rows[n % 3] = (0x0F0u << (n % 4)) | (n == 2 ? 0x1000u : 0u);
        followRuneBits(character);
    }
}

std::vector<Character> charactersAfter(std::string_view bytes, int& matched) {
    AccountList accounts;
    fillRoster(accounts);
    matched = applyRuneCountsText(bytes, accounts);
    std::vector<Character> characters;
    for (const auto& account : accounts.accounts())
        characters.insert(characters.end(), account->characters.begin(), account->characters.end());
    return characters;
}

}  // namespace

FUZZ_TARGET(bytes) {
    int matched = 0;
    const std::vector<Character> characters = charactersAfter(bytes, matched);
    FUZZ_CHECK(matched >= 0 && matched <= 5);
    const std::vector<Character> roster = charactersAfter("", matched);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const Character& character = characters[i];
        FUZZ_CHECK(character.selections() == roster[i].selections());
        FUZZ_CHECK(character.runeCounts.owned() == RuneCounts::oneOfEach(character.runes).owned());
        Character repinned;
        for (const std::string& goal : character.goals) FUZZ_CHECK(pinGoal(repinned.goals, goal));
    }

    AccountList written;
    fillRoster(written);
    for (std::size_t i = 0; i < characters.size(); ++i)
        written.accounts()[i / 8]->characters[i % 8] = characters[i];
    FUZZ_CHECK(charactersAfter(runeCountsFileText(written), matched) == characters);
    FUZZ_CHECK(matched == 5);
    if (hasPlainLines(bytes)) FUZZ_CHECK(charactersAfter(withCrLf(bytes), matched) == characters);
}
