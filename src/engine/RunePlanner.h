#pragma once

#include <string>
#include <vector>

#include "engine/CubeRecipes.h"
#include "model/AccountList.h"
#include "model/Character.h"
#include "model/CharacterSelections.h"
#include "model/RuneCounts.h"
#include "model/RunewordList.h"

namespace sockwright {

// The runewords that are one rune away for a character, all missing one more copy of the same
// rune: each needs `held + 1` of it. With none held the rune is simply missing; with one or more
// he needs one more ("Um: 1 more").
struct OneRuneAwayGroup {
    int missingRune = 0;
    int held = 0;
    std::vector<const Runeword*> runewords;  // in list order
    const CubeRecipe* recipe = nullptr;      // how to cube the missing rune; nullptr for El
    bool ownsRecipeRune = false;             // he holds the rune the recipe consumes
};

// A rune whose next copy the character would want: one he does not hold, or one of which a
// further copy completes a runeword. `completes` counts the runewords that copy alone completes.
struct RuneToHunt {
    int rune = 0;
    int completes = 0;
    int held = 0;

    friend bool operator==(const RuneToHunt&, const RuneToHunt&) = default;
};

// What a character can do with the runes he holds, counting copies: a runeword that uses a rune
// twice needs two of it. The lists honour his equipment and rune count filter and ignore his
// rune logic.
struct RunePlan {
    std::vector<const Runeword*> canMakeNow;    // every copy held, in list order
    std::vector<OneRuneAwayGroup> oneRuneAway;  // lacking one copy of one rune; by that rune,
                                                // lowest first
    std::vector<RuneToHunt> runesToHunt;        // most completed first; ties the lower (easier
                                                // to find) rune first
};

// The runewords the planner considers for a character's selections: those that fit his
// equipment and rune count filter and have runes at all, in list order.
std::vector<const Runeword*> plannedRunewords(const CharacterSelections& filters,
                                              const RunewordList& runewords);

RunePlan planRunes(const CharacterSelections& filters, const RuneCounts& held,
                   const RunewordList& runewords);

// A character slot of an account.
struct CharacterPlace {
    const Account* account = nullptr;
    int slot = 0;

    friend bool operator==(const CharacterPlace&, const CharacterPlace&) = default;
};

// Every character in use, on every account in list order, whose rune counts hold every copy of
// the runeword's runes.
std::vector<CharacterPlace> whoCanMake(const Runeword& runeword, const AccountList& accounts);

// "realm: account: character".
std::string characterPath(const CharacterPlace& place);
// "CHARACTER: realm: account: character" for the current character; empty when there is none.
std::string characterLineText(const AccountList& accounts);

}  // namespace sockwright
