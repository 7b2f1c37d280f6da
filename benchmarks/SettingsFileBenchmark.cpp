#include <benchmark/benchmark.h>

#include <string>

#include "model/SettingsFile.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

constexpr int kAccountCount = 100;

// A heavy user's settings: 100 accounts with one to eight characters each, every character
// with its own selections.
void fillAccounts(ProgramState& program) {
    for (int a = 0; a < kAccountCount; ++a) {
        Account& account = program.accounts.appendAccount();
        account.name = "ACCOUNT " + std::to_string(a);
        account.realm = a % 2 == 0 ? "USEast" : "Europe";
        const int inUse = a % kCharacterSlots + 1;
        for (int slot = 0; slot < inUse; ++slot) {
            Character& character = account.characters[slot];
            character.inUse = true;
            character.name = "HERO " + std::to_string(a) + "-" + std::to_string(slot);
            character.level = 1 + (a * 7 + slot) % 99;
            character.characterClass = slot % 7;
            character.runeLogic = static_cast<RuneLogic>(1 + slot % 3);
            character.runeCountFilter = 1 + (a + slot) % 7;
            character.runes = RuneSet{{0x7FFu >> (slot % 11), 0x0F0u, static_cast<unsigned>(a)}};
            character.equipment = slot % 2 == 0 ? kAllEquipment : kDefenceEquipment;
        }
    }
    program.accounts.setCurrent(program.accounts.head(), 0);
}

bool sameAccounts(const AccountList& left, const AccountList& right) {
    if (left.size() != right.size()) return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        const Account& a = *left.accounts()[i];
        const Account& b = *right.accounts()[i];
        if (a.name != b.name || a.realm != b.realm || a.characters != b.characters) return false;
    }
    return true;
}

void BM_SettingsRoundTrip(benchmark::State& state) {
    testing::TempFolder folder;
    ProgramState saved;
    saved.dataFolder = folder.path();
    fillAccounts(saved);

    // One checked round trip first, so a writer or reader that loses data is not measured.
    ProgramState check;
    check.dataFolder = folder.path();
    if (!saveSettings(saved)) {
        state.SkipWithError("saveSettings failed");
        return;
    }
    loadSettings(check);
    if (!sameAccounts(saved.accounts, check.accounts)) {
        state.SkipWithError("the accounts read back differ from those written");
        return;
    }

    for (auto _ : state) {
        const bool written = saveSettings(saved).ok();
        ProgramState loaded;
        loaded.dataFolder = folder.path();
        loadSettings(loaded);
        benchmark::DoNotOptimize(written);
        benchmark::DoNotOptimize(loaded.accounts.size());
    }
    state.counters["accounts"] = kAccountCount;
}
BENCHMARK(BM_SettingsRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright
