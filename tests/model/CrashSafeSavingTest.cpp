// Saving survives what a user's machine does to it: a process killed at any moment while it saves,
// two copies of the program saving at once, a full disk. Real processes, real SIGKILLs, a real
// tmpfs where the test may mount one.
//
// SOCKWRIGHT_KILL_TRIALS sets how many times each kill test kills a saving process (10 by
// default; `make stress` runs 200).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/FileReplacement.h"
#include "model/RunewordFileReader.h"
#include "model/SettingsFile.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::TempFolder;
using Clock = std::chrono::steady_clock;

int killTrials() {
    const char* set = std::getenv("SOCKWRIGHT_KILL_TRIALS");
    const int trials = set ? std::atoi(set) : 0;
    return trials > 0 ? trials : 10;
}

// The temporary files of replacements of the file that are still in its folder.
std::vector<std::string> temporaryFilesOf(const fs::path& file) {
    std::vector<std::string> found;
    const std::string prefix = file.filename().string() + ".saving-";
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix)) found.push_back(name);
    }
    return found;
}

std::size_t filesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Settings of many accounts, so that a save takes long enough to be killed in the middle.
ProgramState manyAccounts(const fs::path& dataFolder, const std::string& tag, int count) {
    ProgramState state;
    state.dataFolder = dataFolder;
    state.accounts.createDefaultAccounts();
    for (int n = 0; n < count; ++n) {
        state.accounts.addAccount(tag + std::to_string(n), "Europe", "Hero", n % 99 + 1, n % 7,
                                  n % 3);
    }
    return state;
}

// Two states, to save one after the other.
std::vector<ProgramState> twoStates(const fs::path& dataFolder, int firstAccounts,
                                    int secondAccounts) {
    std::vector<ProgramState> states;
    states.push_back(manyAccounts(dataFolder, "First", firstAccounts));
    states.push_back(manyAccounts(dataFolder, "Second", secondAccounts));
    return states;
}

// A runeword file of a thousand entries, a few hundred kilobytes.
std::string largeRunewordFile(const std::string& version, const std::string& property) {
    std::string file = version + "\n";
    for (int n = 0; n < 1000; ++n) {
        file += "Word " + std::to_string(n) + "\n0x" + std::to_string(n % 0x800 + 1) + "\n1 2 " +
                std::to_string(n % 33 + 1) + "\n" + property + "\n" + property + " more\n\n";
    }
    return file;
}

// Kills a process that does `save` over and over, at a random moment (within about `spread`
// after it started), as often as asked. After each kill the file must be one of the versions
// whole, and the next save in this process must succeed and leave no temporary file. Counts the
// trials in which the kill came in the middle of a save (a temporary file was left).
void killWhileSaving(const fs::path& file, const std::vector<std::string>& versions,
                     const std::function<bool(std::size_t)>& save, std::chrono::microseconds spread,
                     int& killedMidSave) {
    std::mt19937 random(std::random_device{}());
    for (int trial = 0; trial < killTrials(); ++trial) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(ready[0]);
            if (::write(ready[1], "r", 1) != 1) ::_exit(2);
            for (std::size_t round = 0;; ++round) {
                if (!save(round % versions.size())) ::_exit(1);
            }
        }
        ::close(ready[1]);
        char byte;
        const bool started = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, spread.count())(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(started);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving process ended by itself: a save failed";

        std::ifstream in(file, std::ios::binary);
        const std::string left{std::istreambuf_iterator<char>(in), {}};
        bool whole = false;
        for (const std::string& version : versions) whole = whole || left == version;
        ASSERT_TRUE(whole) << "trial " << trial << ": " << left.size()
                           << " bytes that are no version";

        killedMidSave += !temporaryFilesOf(file).empty();
        ASSERT_TRUE(save(0)) << "a save after the kill failed";
        ASSERT_EQ(temporaryFilesOf(file), std::vector<std::string>{});
    }
}

// How long one call takes, on average over a few.
std::chrono::microseconds timeOf(const std::function<void()>& call) {
    const auto started = Clock::now();
    for (int n = 0; n < 5; ++n) call();
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started) / 5;
}

TEST(CrashSafeSaving, SettingsKilledWhileSavingAreAlwaysOneWholeVersion) {
    TempFolder folder;
    std::vector<ProgramState> states = twoStates(folder.path(), 300, 200);
    const std::vector<std::string> versions = {settingsFileText(states[0]),
                                               settingsFileText(states[1])};
    const auto save = [&](std::size_t version) { return saveSettings(states[version]).ok(); };
    const auto oneSave = timeOf([&] { ASSERT_TRUE(save(0)); });
    int midSave = 0;
    killWhileSaving(settingsFilePath(states[0]), versions, save, 4 * oneSave, midSave);
    std::cout << "settings.dat: " << killTrials() << " kills, " << midSave
              << " of them in the middle of a save\n";
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

// The runeword download's replacement, streamed in the pieces the download receives.
TEST(CrashSafeSaving, RunewordFileKilledWhileReplacedIsAlwaysOneWholeVersion) {
    TempFolder folder;
    const fs::path file = folder.path() / "runewords.txt";
    const std::vector<std::string> versions = {largeRunewordFile("1.0.1", "Old property"),
                                               largeRunewordFile("1.0.2", "New property here")};
    const auto save = [&](std::size_t version) {
        FileReplacement replacement(file);
        const std::string_view bytes = versions[version];
        for (std::size_t at = 0; at < bytes.size() && replacement.status(); at += 2048) {
            (void)replacement.append(bytes.substr(at, 2048));
        }
        return replacement.commit().ok();
    };
    const auto oneSave = timeOf([&] { ASSERT_TRUE(save(0)); });
    int midSave = 0;
    killWhileSaving(file, versions, save, 4 * oneSave, midSave);
    std::cout << "runewords.txt: " << killTrials() << " kills, " << midSave
              << " of them in the middle of a replacement\n";
    EXPECT_EQ(filesIn(folder.path()), 1u);
    const RuneTable runes;
    const RunewordFileParse parse = parseRunewordFile(versions[0], runes);
    ASSERT_TRUE(parse.runewords);
    EXPECT_EQ(parse.runewords->size(), 1000u);  // the versions are real runeword files
}

// Two copies of the program saving at once: whoever reads the file meanwhile finds one whole
// version, every save succeeds (neither removes the other's temporary file), and nothing is left.
TEST(CrashSafeSaving, TwoProcessesSavingAtOnceLeaveOneWholeVersion) {
    TempFolder folder;
    std::vector<ProgramState> states = twoStates(folder.path(), 60, 40);
    const std::vector<std::string> versions = {settingsFileText(states[0]),
                                               settingsFileText(states[1])};
    ASSERT_TRUE(saveSettings(states[0]));
    std::vector<pid_t> savers;
    std::fflush(nullptr);
    for (ProgramState& state : states) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int round = 0; round < 60; ++round) {
                if (!saveSettings(state)) ::_exit(1);
            }
            ::_exit(0);
        }
        savers.push_back(child);
    }
    int reads = 0;
    int foreign = 0;
    std::vector<std::optional<int>> ended(savers.size());
    while (std::find(ended.begin(), ended.end(), std::nullopt) != ended.end()) {
        std::ifstream in(settingsFilePath(states[0]), std::ios::binary);
        const std::string read{std::istreambuf_iterator<char>(in), {}};
        ++reads;
        foreign += read != versions[0] && read != versions[1];
        for (std::size_t n = 0; n < savers.size(); ++n) {
            int status = 0;
            if (!ended[n] && ::waitpid(savers[n], &status, WNOHANG) == savers[n]) ended[n] = status;
        }
    }
    for (const std::optional<int> status : ended) {
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "a save failed";
    }
    EXPECT_EQ(foreign, 0) << "of " << reads << " reads";
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

// Writes until the file system has no room left.
void fillUp(const fs::path& file) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const std::string block(4096, 'f');
    while (::write(descriptor, block.data(), block.size()) > 0) {
    }
    ::close(descriptor);
}

// The one file system where a test can run out of room for real: a small tmpfs, mounted in a
// mount namespace of a child process (as root, or in a user namespace where the system allows
// one), so nothing of it is seen outside or outlives the test.
std::string onSmallTmpfs(const fs::path& mountPoint, const std::function<std::string()>& body) {
    const uid_t user = ::getuid();
    const gid_t group = ::getgid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "skip: no mount namespace";
        // Become root of the new user namespace, as the user it maps to.
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << user << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << group << " 1";
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=256k") != 0) {
        return "skip: no tmpfs could be mounted";
    }
    return body();
}

// A full disk fails the save cleanly: the old file whole, no temporary file, the reason the system
// gives; once there is room again, the next save works. Both the save itself and the copy kept of
// a file not read in full.
TEST(CrashSafeSaving, AFullTmpfsFailsTheSaveWithTheOldFileIntact) {
    TempFolder folder;
    const fs::path disk = folder.path() / "disk";
    fs::create_directory(disk);
    const testing::ChildOutcome outcome = testing::runInChild(
        [&] {
            return onSmallTmpfs(disk, [&]() -> std::string {
                ProgramState state = manyAccounts(disk, "Old", 1);
                if (!saveSettings(state)) return "the first save failed";
                const std::string old = settingsFileText(state);
                fillUp(disk / "filler");
                for (const bool backup : {false, true}) {
                    ProgramState changed = manyAccounts(disk, "New", 1);
                    changed.settings.keepBackupBeforeSave = backup;
                    const SaveResult saved = saveSettings(changed);
                    const std::string expected =
                        backup
                            ? "keeping a copy in settings.dat.bak failed: No space left on device"
                            : "No space left on device";
                    if (saved || saved.reason() != expected) return "saved: " + saved.reason();
                    std::ifstream in(settingsFilePath(state), std::ios::binary);
                    if (std::string{std::istreambuf_iterator<char>(in), {}} != old)
                        return std::string("the old file was damaged");
                    if (filesIn(disk) != 2) return std::string("a temporary file was left");
                }
                fs::remove(disk / "filler");
                if (!saveSettings(state)) return std::string("no save once there was room");
                return std::string();
            });
        },
        30s);
    if (outcome.report.starts_with("skip:")) GTEST_SKIP() << outcome.report.substr(6);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.report, "");
}

// The same where no tmpfs can be mounted: the writes fail as on a full disk.
TEST(CrashSafeSaving, AFullDiskFailsTheSaveWithTheOldFileIntact) {
    TempFolder folder;
    ProgramState state = manyAccounts(folder.path(), "Old", 1);
    ASSERT_TRUE(saveSettings(state));
    const std::string old = folder.read("settings.dat");
    FileSystemCalls full;
    full.write = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    for (const bool backup : {false, true}) {
        SCOPED_TRACE(backup ? "copying aside" : "saving");
        ProgramState changed = manyAccounts(folder.path(), "New", 1);
        changed.settings.keepBackupBeforeSave = backup;
        const SaveResult saved = saveSettings(changed, full);
        EXPECT_EQ(saved.errorNumber(), ENOSPC);
        EXPECT_TRUE(saved.reason().ends_with("No space left on device"));
        EXPECT_EQ(folder.read("settings.dat"), old);
        EXPECT_EQ(filesIn(folder.path()), 1u);
        EXPECT_EQ(changed.settings.keepBackupBeforeSave, backup);  // still wanted next time
    }
}

}  // namespace
}  // namespace sockwright
