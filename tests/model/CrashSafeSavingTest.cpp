// Saving survives a process killed at any moment while it saves: real processes and real
// SIGKILLs. The settings, the rune counts and the runeword download replace their files the same
// way, so the settings and counts files, which one save writes, stand for all of them.
//
// SOCKWRIGHT_KILL_TRIALS sets how many times the kill test kills a saving process (10 by default;
// `make stress` runs 200).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/RuneCountsFile.h"
#include "model/SettingsFile.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::size_t filesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// Two sets of settings to save in turn, of many accounts each, so that a save takes long enough
// to be killed in the middle.
std::vector<ProgramState> twoStates(const fs::path& dataFolder, int accounts) {
    std::vector<ProgramState> states(2);
    for (std::size_t version = 0; version < 2; ++version) {
        states[version].dataFolder = dataFolder;
        states[version].accounts.createDefaultAccounts();
        for (int n = 0; n < accounts + static_cast<int>(version) * 50; ++n) {
            states[version].accounts.addAccount("V" + std::to_string(version) + std::to_string(n),
                                                "Europe", "Hero", n % 99 + 1, n % 7, n % 3);
        }
    }
    return states;
}

// A process saving over and over is killed at a random moment. Each file must then be one of its
// versions whole, and the next save must succeed and leave no temporary file.
TEST(CrashSafeSaving, AProcessKilledWhileSavingLeavesOneWholeVersion) {
    const char* set = std::getenv("SOCKWRIGHT_KILL_TRIALS");
    const int trials = set && std::atoi(set) > 0 ? std::atoi(set) : 10;
    TempFolder folder;
    std::vector<ProgramState> states = twoStates(folder.path(), 250);
    const std::string versions[] = {settingsFileText(states[0]), settingsFileText(states[1])};
    const std::string counts[] = {runeCountsFileText(states[0].accounts),
                                  runeCountsFileText(states[1].accounts)};
    const auto started = std::chrono::steady_clock::now();
    ASSERT_FALSE(saveSettingsFiles(states[0]));
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    std::mt19937 random(std::random_device{}());
    int midSave = 0;
    for (int trial = 0; trial < trials; ++trial) {
        const pid_t child = testing::startChild([&] {
            for (std::size_t round = 0;; ++round) {
                if (saveSettingsFiles(states[round % 2])) return 1;
            }
        });
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, 4 * oneSave.count())(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself: a save failed";

        const std::string left = folder.read("settings.dat");
        ASSERT_TRUE(left == versions[0] || left == versions[1])
            << "trial " << trial << ": " << left.size() << " bytes that are no version";
        const std::string leftCounts = folder.read("runecounts.txt");
        ASSERT_TRUE(leftCounts == counts[0] || leftCounts == counts[1])
            << "trial " << trial << ": " << leftCounts.size() << " bytes of counts, no version";
        midSave += filesIn(folder.path()) > 2;  // a temporary file was left
        ASSERT_FALSE(saveSettingsFiles(states[0])) << "a save after the kill failed";
        ASSERT_EQ(filesIn(folder.path()), 2u);
    }
    std::cout << trials << " kills, " << midSave << " of them in the middle of a save\n";
}

}  // namespace
}  // namespace sockwright
