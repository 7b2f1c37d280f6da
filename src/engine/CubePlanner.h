#pragma once

#include <cstdint>
#include <vector>

#include "engine/CubeRecipes.h"
#include "engine/RuneTally.h"
#include "model/RuneCounts.h"

namespace sockwright {

// One recipe of a cube plan, done `times` times: it uses up `runesConsumed` of its input rune
// and, from Amn up, `gems` of its gem (one per use).
struct CubeStep {
    const CubeRecipe* recipe = nullptr;
    int times = 0;
    int runesConsumed = 0;
    int gems = 0;

    friend bool operator==(const CubeStep&, const CubeStep&) = default;
};

// The cube upgrades that turn spare runes into the lacking ones.
struct CubePlan {
    bool reachable = true;
    std::vector<CubeStep> steps;  // lowest rune first, the order to do them in; none when
                                  // nothing lacks or the plan is not reachable
    int runesConsumed = 0;        // by all steps together
    int cubeUses = 0;             // the steps' times together
    // Not reachable: the lowest rune whose demand the spare runes cannot meet (El included), and
    // how many more of it would be needed after cubing every spare rune below it.
    int blockingRune = 0;
    std::int64_t blockingShortBy = 0;
};

// The cheapest plan that makes every rune `needed` lacks from `held`. The needed runes are set
// aside first: only the spare ones (held beyond what is needed) go into the cube.
CubePlan planCube(const RuneTally& needed, const RuneCounts& held);

// The cube uses the plan takes, without listing its steps; -1 when it is not reachable.
int cubeUsesFor(const RuneTally& needed, const RuneCounts& held);

}  // namespace sockwright
