#include <benchmark/benchmark.h>

#include <string>

#include "savefile/SaveFileReader.h"
#include "savefile/SaveFileWriter.h"

namespace sockwright {
namespace {

using testing::TestItem;

TestItem extended(const char* code, int quality, int panel) {
    TestItem item = testing::extendedItem(
        code, quality, {{0, 8, 20}, {17, 18, 5}, {39, 9, 70}, {198, 23, 1234}, {204, 32, 99}});
    item.panel = panel;
    return item;
}

// A full character: inventory, personal stash and cube packed with runes and items of every
// quality, runewords among them, and equipped items with runes in their sockets; 200 items.
std::string fullCharacter() {
    testing::TestCharacter hero;
    hero.version = 105;
    const char* codes[] = {"cap", "lsd", "amu", "buc", "rin"};
    for (int i = 0; hero.items.size() < 180; ++i) {
        const int panel = i % 3 == 0 ? 1 : i % 3 == 1 ? 5 : 4;
        if (i % 2 == 0) {
            hero.items.push_back(testing::runeItem(1 + i % 33, panel));
        } else {
            TestItem item = extended(codes[i % 5], 2 + i % 6, panel);
            if (i % 5 == 1) {
                item.runeword = true;
                item.sockets = {testing::runeItem(8, 0), testing::runeItem(9, 0),
                                testing::runeItem(10, 0)};
            }
            hero.items.push_back(item);
        }
    }
    std::size_t count = 0;
    for (const TestItem& item : hero.items) count += 1 + item.sockets.size();
    while (count++ < 200) hero.items.push_back(testing::runeItem(33, 1));
    return testing::characterFile(hero);
}

void BM_ReadFullCharacterFile(benchmark::State& state) {
    const std::string bytes = fullCharacter();
    if (!savefile::SaveFileReader::readBytes(bytes, "Hero.d2s").ok()) {
        state.SkipWithError("the character file does not read");
        return;
    }
    for (auto _ : state) {
        const savefile::SaveFileReading reading =
            savefile::SaveFileReader::readBytes(bytes, "Hero.d2s");
        benchmark::DoNotOptimize(reading.summary->socketed.count(8));
    }
    state.counters["items"] = 200;
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ReadFullCharacterFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright
