#include <benchmark/benchmark.h>

#include "SyntheticRunewords.h"
#include "engine/RunewordFilter.h"

namespace sockwright {
namespace {

// What a player typically asks: ANY - what uses my two best runes; ALL - what needs both Ral
// and Sol; COMPLETE - what can I make from the first twenty runes, which I own.
CharacterSelections selectionFor(RuneLogic logic) {
    CharacterSelections character;
    character.runeLogic = logic;
    character.runes = RuneSet{};
    switch (logic) {
        case RuneLogic::Any:
            character.runes.add(20);
            character.runes.add(22);
            break;
        case RuneLogic::All:
            character.runes.add(8);
            character.runes.add(12);
            break;
        case RuneLogic::Complete:
            for (int rune = 1; rune <= 20; ++rune) character.runes.add(rune);
            break;
    }
    character.equipment = kAllEquipment;
    character.runeCountFilter = kAnyRuneCount;
    return character;
}

void BM_ListedRunewords(benchmark::State& state) {
    const RunewordList runewords = syntheticRunewords();
    const CharacterSelections character = selectionFor(static_cast<RuneLogic>(state.range(0)));
    const RunewordFilter filter(character);
    std::size_t listed = 0;
    for (auto _ : state) {
        auto result = filter.listedRunewords(runewords);
        listed = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["listed"] = static_cast<double>(listed);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(runewords.size()));
}
BENCHMARK(BM_ListedRunewords)
    ->ArgName("logic")
    ->Arg(static_cast<int>(RuneLogic::Any))
    ->Arg(static_cast<int>(RuneLogic::All))
    ->Arg(static_cast<int>(RuneLogic::Complete))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright
