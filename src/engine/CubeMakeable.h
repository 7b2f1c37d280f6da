#pragma once

#include <vector>

#include "model/CharacterSelections.h"
#include "model/RuneCounts.h"
#include "model/RunewordList.h"

namespace sockwright {

// A runeword the character can complete once the cube has upgraded some of his spare runes.
struct CubeMakeable {
    const Runeword* runeword = nullptr;
    int cubeUses = 0;  // the cube plan's uses, one or more

    friend bool operator==(const CubeMakeable&, const CubeMakeable&) = default;
};

// The planned runewords (see plannedRunewords) he cannot make now but can with the cube, in
// list order.
std::vector<CubeMakeable> canMakeWithCube(const CharacterSelections& filters,
                                          const RuneCounts& held, const RunewordList& runewords);

}  // namespace sockwright
