#include <benchmark/benchmark.h>

#include <random>

#include "engine/RunewordFilter.h"
#include "model/RunewordList.h"

namespace sockwright {
namespace {

// A full runeword list: two to six runes each, drawn from all 33, in the equipment masks the
// shipped file uses most. Seeded, so every run measures the same list.
RunewordList syntheticRunewords() {
    constexpr EquipmentMask kMasks[] = {kAllEquipment,   kDefenceEquipment, 0x006007FF,
                                        kMeleeEquipment, 0x80000000,        0x04000000,
                                        0x40000000,      0x00000209,        0x00600000};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> runeCount(2, kMaxRunesPerRuneword);
    std::uniform_int_distribution<int> runeNumber(1, kRuneCount);
    std::uniform_int_distribution<std::size_t> mask(0, std::size(kMasks) - 1);

    RunewordList runewords(kMaxRunewords);
    for (std::size_t i = 0; i < runewords.size(); ++i) {
        Runeword& runeword = runewords[i];
        runeword.name = "Runeword " + std::to_string(i);
        runeword.equipmentMask = kMasks[mask(random)];
        runeword.runeCount = runeCount(random);
        for (int socket = 0; socket < runeword.runeCount; ++socket) {
            runeword.runes[socket] = runeNumber(random);
            runeword.runeSet.add(runeword.runes[socket]);
        }
    }
    return runewords;
}

// What a player typically asks: ANY - what uses my two best runes; ALL - what needs both Ral
// and Sol; COMPLETE - what can I make from the first twenty runes, which I own.
Character selectionFor(RuneLogic logic) {
    Character character;
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
    const Character character = selectionFor(static_cast<RuneLogic>(state.range(0)));
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
