#include <benchmark/benchmark.h>

#include <vector>

#include "SyntheticRunewords.h"
#include "engine/CubeMakeable.h"
#include "engine/CubePlanner.h"
#include "engine/ShoppingList.h"

namespace sockwright {
namespace {

// A stash of `each` copies of every rune up to Ohm: everything above is made by the cube, so
// plans run long and most runewords are within reach.
RuneCounts stashUpToOhm(int each) {
    RuneCounts held;
    for (int rune = 1; rune <= 27; ++rune) held.set(rune, each);
    return held;
}

// Last Wish (Jah Mal Jah Sur Jah Ber) from the stash: demand flows from Jah down to El.
void BM_PlanCube(benchmark::State& state) {
    Runeword lastWish;
    lastWish.runeCount = 6;
    lastWish.runes = {31, 23, 31, 29, 31, 30};
    const RuneCounts held = stashUpToOhm(static_cast<int>(state.range(0)));
    int uses = 0;
    for (auto _ : state) {
        CubePlan plan = planCube(RuneTally::of(lastWish), held);
        uses = plan.cubeUses;
        benchmark::DoNotOptimize(plan);
    }
    state.counters["uses"] = uses;
}
BENCHMARK(BM_PlanCube)->ArgName("each")->Arg(3)->Arg(50)->Unit(benchmark::kMicrosecond);

void BM_CanMakeWithCube(benchmark::State& state) {
    const RunewordList runewords = syntheticRunewords();
    const RuneCounts held = stashUpToOhm(static_cast<int>(state.range(0)));
    std::size_t makeable = 0;
    for (auto _ : state) {
        auto result = canMakeWithCube(CharacterSelections{}, held, runewords);
        makeable = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["makeable"] = static_cast<double>(makeable);
}
BENCHMARK(BM_CanMakeWithCube)->ArgName("each")->Arg(3)->Arg(50)->Unit(benchmark::kMicrosecond);

// Ten goals of the synthetic list, spread over it.
void BM_ShoppingList(benchmark::State& state) {
    const RunewordList runewords = syntheticRunewords();
    std::vector<const Runeword*> goals;
    for (std::size_t goal = 0; goal < 10; ++goal) goals.push_back(&runewords[goal * 97]);
    const RuneCounts held = stashUpToOhm(50);
    for (auto _ : state) {
        ShoppingList list = shoppingList(goals, held);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_ShoppingList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright
