#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

// The whole start-up load of the shipped rune, runeword and realm files; without a settings
// file the default account is built.
void BM_LoadShippedRuneData(benchmark::State& state) {
    testing::TempFolder folder;
    for (const char* name : {"runes.txt", "runewords.txt", "realms.txt"}) {
        std::filesystem::copy_file(std::filesystem::path(SOCKWRIGHT_SHIPPED_DATA) / name,
                                   folder.path() / name);
    }
    testing::RecordingMessageSink messages;
    std::size_t runewordCount = 0;
    for (auto _ : state) {
        ProgramState program;
        program.dataFolder = folder.path();
        if (loadRuneData(program, messages) != RuneDataLoadResult::Loaded) {
            state.SkipWithError("the shipped data did not load");
            break;
        }
        runewordCount = program.runewords->size();
        benchmark::DoNotOptimize(program.runewords.get());
    }
    state.counters["runewords"] = static_cast<double>(runewordCount);
}
BENCHMARK(BM_LoadShippedRuneData)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright
