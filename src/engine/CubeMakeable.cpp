#include "engine/CubeMakeable.h"

#include "engine/CubePlanner.h"
#include "engine/RunePlanner.h"

namespace sockwright {

std::vector<CubeMakeable> canMakeWithCube(const CharacterSelections& filters,
                                          const RuneCounts& held, const RunewordList& runewords) {
    std::vector<CubeMakeable> makeable;
    for (const Runeword* runeword : plannedRunewords(filters, runewords)) {
        const int uses = cubeUsesFor(RuneTally::of(*runeword), held);
        if (uses > 0) makeable.push_back({runeword, uses});
    }
    return makeable;
}

}  // namespace sockwright
