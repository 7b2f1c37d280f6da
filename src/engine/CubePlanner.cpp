#include "engine/CubePlanner.h"

#include <algorithm>
#include <array>

namespace sockwright {
namespace {

// The demand for a rune can grow past anything a stash could hold (a Zod made from El takes
// 3^20 * 2^12 of them); it is held below this ceiling, far above any stash, so it never
// overflows.
constexpr std::int64_t kDemandCeiling = std::int64_t{1} << 50;

// How many times each recipe runs, by the rune it makes, or what blocks the plan.
struct CubeWalk {
    std::array<std::int64_t, kRuneCount + 1> times{};
    int blockingRune = 0;
    std::int64_t shortBy = 0;
};

// Every recipe takes only the rune just below its output, so the cheapest plan is forced and no
// search is needed. Walking down from Zod, a rune's demand (what is lacking, plus what the
// recipe above consumes) is met first from the spare runes of its kind, since one spare rune
// costs less than the two or three it would be made from; the rest must be made from the rune
// below, exactly that many times, as making more would only consume more. That one plan
// consumes the fewest runes and takes the fewest cube uses and gems.
//
// Demand passes down only as far as the spare runes below could ever meet it. Where they cannot,
// the rune whose demand is left over blocks the plan, short by what cubing every spare rune below
// it would still leave missing; of several such runes, the walk keeps the lowest.
CubeWalk walkDown(const RuneTally& needed, const RuneCounts& held) {
    const RuneTally lacking = lackingRunes(needed, held);
    const RuneTally spare = spareRunes(held, needed);
    // The most of each rune the spare runes at and below it make, ignoring every other demand.
    std::array<std::int64_t, kRuneCount + 1> capacity{};
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        const std::int64_t madeFromBelow =
            rune == 1 ? 0 : capacity[rune - 1] / cubeRecipeFor(rune)->inputCount;
        capacity[rune] = std::min(kDemandCeiling, spare.counts[rune] + madeFromBelow);
    }

    CubeWalk walk;
    std::int64_t carried = 0;
    for (int rune = kRuneCount; rune >= 1; --rune) {
        const std::int64_t demand = std::min(kDemandCeiling, carried + lacking.counts[rune]);
        const std::int64_t deficit = std::max<std::int64_t>(0, demand - spare.counts[rune]);
        carried = 0;
        if (deficit == 0) continue;
        const int inputCount = rune == 1 ? 0 : cubeRecipeFor(rune)->inputCount;
        const std::int64_t makeable = rune == 1 ? 0 : capacity[rune - 1] / inputCount;
        if (deficit <= makeable) {
            walk.times[rune] = deficit;
            carried = deficit * inputCount;
        } else {
            walk.blockingRune = rune;
            walk.shortBy = deficit - makeable;
        }
    }
    return walk;
}

}  // namespace

CubePlan planCube(const RuneTally& needed, const RuneCounts& held) {
    const CubeWalk walk = walkDown(needed, held);
    CubePlan plan;
    if (walk.blockingRune != 0) {
        plan.reachable = false;
        plan.blockingRune = walk.blockingRune;
        plan.blockingShortBy = walk.shortBy;
        return plan;
    }
    // Reachable, every count is within what the spare runes hold: far inside an int.
    for (int rune = 2; rune <= kRuneCount; ++rune) {
        const int times = static_cast<int>(walk.times[rune]);
        if (times == 0) continue;
        const CubeRecipe* recipe = cubeRecipeFor(rune);
        const CubeStep step{recipe, times, times * recipe->inputCount, recipe->gem ? times : 0};
        plan.steps.push_back(step);
        plan.runesConsumed += step.runesConsumed;
        plan.cubeUses += step.times;
    }
    return plan;
}

int cubeUsesFor(const RuneTally& needed, const RuneCounts& held) {
    const CubeWalk walk = walkDown(needed, held);
    if (walk.blockingRune != 0) return -1;
    std::int64_t uses = 0;
    for (const std::int64_t times : walk.times) uses += times;
    return static_cast<int>(uses);
}

}  // namespace sockwright
