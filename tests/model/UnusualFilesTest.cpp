// Data files that are not what they claim: a FIFO, a device, a folder or a file far too large in
// the place of a data file or settings.dat. Every load runs in a child process with a deadline
// and a memory limit, so a reader that blocks or reads without end fails the test instead of
// hanging the run or exhausting the machine.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "Texts.h"
#include "model/FileContents.h"
#include "model/FileReplacement.h"
#include "model/RuneDataLoader.h"
#include "model/SettingsFile.h"
#include "support/ChildProcess.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::runInChild;
using testing::TempFolder;

// What is put in the place of a data file: not a regular file, or one byte over the limit.
struct Kind {
    const char* name;
    void (*make)(const fs::path& path);
};
const Kind kKinds[] = {
    {"FIFO", [](const fs::path& path) { ::mkfifo(path.c_str(), 0600); }},
    {"link to /dev/zero", [](const fs::path& path) { fs::create_symlink("/dev/zero", path); }},
    {"folder", [](const fs::path& path) { fs::create_directories(path / "inside"); }},
    {"one byte over the limit",
     [](const fs::path& path) {
         std::ofstream(path, std::ios::binary) << "1.1.3\n";
         fs::resize_file(path, kMostDataFileBytes + 1);
     }},
};
const Kind& kTooLarge = kKinds[3];

struct UnusualFilesTest : ::testing::Test {
    UnusualFilesTest() {
        folder.write("runes.txt", "El:11:a:b:c\nEld:11:d:e:f\n");
        folder.write("runewords.txt", "1.0.2\nDuo\n0x1\n1 2\nHits\n");
        folder.write("realms.txt", "USEast\nEurope\n");
        state.dataFolder = folder.path();
    }

    // Loads the data folder in a child process; the check runs there on the result and returns
    // what is wrong. The load must end within five seconds and without growing memory.
    void loadInChild(const std::function<std::string(RuneDataLoadResult)>& check) {
        const testing::ChildOutcome outcome =
            runInChild([&] { return check(loadRuneData(state, messages)); }, 5s);
        EXPECT_TRUE(outcome.finished) << (outcome.timedOut ? "blocked" : "memory grew");
        EXPECT_EQ(outcome.report, "");
    }

    TempFolder folder;
    ProgramState state;
    testing::RecordingMessageSink messages;
};

// A rune, runeword or realm file that is not a regular file cannot be opened; one over the limit
// cannot be held in memory. Either way the load stops with the message, at once.
TEST_F(UnusualFilesTest, DataFileOfAnotherKindOrTooLargeStopsTheLoadWithItsMessage) {
    for (const char* name : {"runes.txt", "runewords.txt", "realms.txt"}) {
        const std::string good = folder.read(name);
        for (const Kind& kind : kKinds) {
            SCOPED_TRACE(std::string(name) + " as " + kind.name);
            fs::remove_all(folder.path() / name);
            kind.make(folder.path() / name);
            const std::string message(
                text(&kind == &kTooLarge ? TextOutOfMemory : TextCannotOpenRuneData));
            loadInChild([&](RuneDataLoadResult result) -> std::string {
                if (result != RuneDataLoadResult::Failed) return "the load did not fail";
                if (messages.messages != std::vector{message}) return "not the right message";
                return "";
            });
        }
        folder.write(name, good);
    }
}

// settings.dat as a FIFO (which would block start-up), a device, a folder or a huge file: start-up
// goes on with the default account, and the thing in its place is never replaced unseen. The
// huge file is copied aside before the save replaces it; the others are not replaced at all.
TEST_F(UnusualFilesTest, SettingsFileOfAnotherKindOrTooLargeGivesDefaultsAndIsNotLost) {
    const fs::path settings = folder.path() / "settings.dat";
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        fs::remove_all(settings);
        kind.make(settings);
        const fs::file_type type = fs::symlink_status(settings).type();
        fs::remove(folder.path() / "settings.dat.bak");
        loadInChild([&](RuneDataLoadResult result) -> std::string {
            if (result != RuneDataLoadResult::Loaded || !messages.messages.empty()) {
                return "the load failed";
            }
            if (state.accounts.size() != 1 || !state.settings.keepBackupBeforeSave) {
                return "not the defaults with a copy kept";
            }
            // Saving into a device could damage it; the load is what matters there.
            if (type == fs::file_type::symlink) return "";
            const SaveResult saved = saveSettings(state);
            if (&kind == &kTooLarge) {
                if (!saved) return "not saved: " + saved.reason();
                const FileContents copy =
                    readWholeFile(folder.path() / "settings.dat.bak", kMostDataFileBytes + 1);
                if (copy.bytes.size() != kMostDataFileBytes + 1 || !copy.bytes.starts_with("1.1.3"))
                    return "the copy is not the old file";
                return folder.read("settings.dat") == settingsFileText(state) ? "" : "not written";
            }
            return saved ? "a save replaced it" : "";
        });
        if (&kind != &kTooLarge) {
            EXPECT_EQ(fs::symlink_status(settings).type(), type);
        }
    }
}

}  // namespace
}  // namespace sockwright
