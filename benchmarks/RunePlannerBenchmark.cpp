#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "SyntheticRunewords.h"
#include "engine/PropertySearch.h"
#include "engine/RunePlanner.h"
#include "model/CharacterRunes.h"
#include "model/FileContents.h"
#include "model/RunewordFileReader.h"

namespace sockwright {
namespace {

// The synthetic list with the property lines of the shipped runewords, in turn, so that a search
// reads text as long and as varied as the real one.
RunewordList runewordsWithProperties() {
    RunewordList runewords = syntheticRunewords();
    const FileContents file =
        readWholeFile(std::filesystem::path(SOCKWRIGHT_SHIPPED_DATA) / "runewords.txt");
    const RunewordFileParse shipped = parseRunewordFile(file.bytes, RuneTable{});
    if (!shipped.runewords || shipped.runewords->empty()) return runewords;
    for (std::size_t i = 0; i < runewords.size(); ++i)
        runewords[i].properties = (*shipped.runewords)[i % shipped.runewords->size()].properties;
    return runewords;
}

Character owningRunesUpTo(int highest) {
    Character character;
    character.inUse = true;
    character.runes = RuneSet{};
    for (int rune = 1; rune <= highest; ++rune) character.runes.add(rune);
    return character;
}

// The three lists for a character owning the runes up to a given one: none, the common and
// middle ones (a typical mid-game stash), all.
void BM_PlanRunes(benchmark::State& state) {
    const RunewordList runewords = syntheticRunewords();
    const Character character = owningRunesUpTo(static_cast<int>(state.range(0)));
    std::size_t oneAway = 0;
    for (auto _ : state) {
        RunePlan plan = planRunes(character, RuneCounts::oneOfEach(character.runes), runewords);
        oneAway = plan.oneRuneAway.size();
        benchmark::DoNotOptimize(plan);
    }
    state.counters["groups"] = static_cast<double>(oneAway);
}
BENCHMARK(BM_PlanRunes)->ArgName("owned")->Arg(0)->Arg(20)->Arg(33)->Unit(benchmark::kMicrosecond);

// 100 accounts of eight characters, each owning a seeded random half of the runes.
void BM_WhoCanMake(benchmark::State& state) {
    AccountList accounts;
    std::mt19937 random(7);
    std::bernoulli_distribution owns(0.5);
    // Names built by appending: GCC 12 at -O3 warns falsely about "A" + std::to_string(a).
    const auto numbered = [](char letter, int number) {
        std::string name(1, letter);
        name += std::to_string(number);
        return name;
    };
    for (int a = 0; a < 100; ++a) {
        Account* account = accounts.addAccount(numbered('A', a), "USEast", "C0", 90, 0, 1);
        for (int slot = 1; slot < kCharacterSlots; ++slot)
            accounts.addCharacter(*account, numbered('C', slot), 90, 0, 1);
        for (Character& character : account->characters) {
            character.runes = RuneSet{};
            for (int rune = 1; rune <= kRuneCount; ++rune) {
                if (owns(random)) character.runes.add(rune);
            }
            followRuneBits(character);
        }
    }
    Runeword spirit;
    spirit.runeCount = 4;
    spirit.runes = {7, 10, 9, 11};
    for (int rune : {7, 10, 9, 11}) spirit.runeSet.add(rune);
    std::size_t able = 0;
    for (auto _ : state) {
        auto result = whoCanMake(spirit, accounts);
        able = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["able"] = static_cast<double>(able);
}
BENCHMARK(BM_WhoCanMake)->Unit(benchmark::kMicrosecond);

std::vector<const Runeword*> allOf(const RunewordList& runewords) {
    std::vector<const Runeword*> all;
    for (const Runeword& runeword : runewords) all.push_back(&runeword);
    return all;
}

// Reading the properties once, as the planner does when it opens.
void BM_PropertySearchIndex(benchmark::State& state) {
    const RunewordList runewords = runewordsWithProperties();
    const std::vector<const Runeword*> all = allOf(runewords);
    for (auto _ : state) {
        PropertySearch search(all);
        benchmark::DoNotOptimize(search);
    }
}
BENCHMARK(BM_PropertySearchIndex)->Unit(benchmark::kMicrosecond);

// One keystroke's search: a first letter (most lines match), an abbreviation, two words, and
// two clauses.
void BM_Find(benchmark::State& state) {
    static const char* const kQueries[] = {"e", "fcr", "all res", "+skills, fhr"};
    const char* query = kQueries[state.range(0)];
    const RunewordList runewords = runewordsWithProperties();
    const PropertySearch search(allOf(runewords));
    std::size_t found = 0;
    for (auto _ : state) {
        auto result = search.find(query);
        found = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.SetLabel(query);
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_Find)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright
