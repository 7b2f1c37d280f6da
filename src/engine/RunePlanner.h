#pragma once

#include <string>
#include <vector>

#include "engine/CubeRecipes.h"
#include "model/AccountList.h"
#include "model/Character.h"
#include "model/RunewordList.h"

namespace sockwright {

// The runewords that are one rune away for a character, all missing the same rune.
struct OneRuneAwayGroup {
    int missingRune = 0;
    std::vector<const Runeword*> runewords;  // in list order
    const CubeRecipe* recipe = nullptr;      // how to cube the missing rune; nullptr for El
    bool ownsRecipeRune = false;             // he owns the rune the recipe consumes
};

// A rune the character lacks, with how many more runewords it alone would complete.
struct RuneToHunt {
    int rune = 0;
    int completes = 0;

    friend bool operator==(const RuneToHunt&, const RuneToHunt&) = default;
};

// What a character can do with his runes. The lists honour his equipment and rune count filter
// and ignore his rune logic; runes are counted as distinct runes, so a runeword using a rune
// twice needs it once.
struct RunePlan {
    std::vector<const Runeword*> canMakeNow;    // every rune owned, in list order
    std::vector<OneRuneAwayGroup> oneRuneAway;  // by missing rune, lowest first
    std::vector<RuneToHunt> runesToHunt;        // every lacked rune, most completed first; ties
                                                // the lower (easier to find) rune first
};

// The runewords the planner considers for a character: those that fit his equipment and rune
// count filter and have runes at all, in list order.
std::vector<const Runeword*> plannedRunewords(const Character& character,
                                              const RunewordList& runewords);

RunePlan planRunes(const Character& character, const RunewordList& runewords);

// A character slot of an account.
struct CharacterPlace {
    const Account* account = nullptr;
    int slot = 0;

    friend bool operator==(const CharacterPlace&, const CharacterPlace&) = default;
};

// Every character in use, on every account in list order, who owns all the runeword's runes.
std::vector<CharacterPlace> whoCanMake(const Runeword& runeword, const AccountList& accounts);

// "realm: account: character".
std::string characterPath(const CharacterPlace& place);
// "CHARACTER: realm: account: character" for the current character; empty when there is none.
std::string characterLineText(const AccountList& accounts);

}  // namespace sockwright
