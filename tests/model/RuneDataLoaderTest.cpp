#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using Messages = std::vector<std::string>;

class RuneDataLoaderTest : public ::testing::Test {
  protected:
    RuneDataLoaderTest() { reset(); }

    void reset() {
        folder.write("runes.txt", "El:11:a:b:c\nEld:11:d:e:f\n");
        folder.write("runewords.txt", "1.0.2\nDuo\n0x1\n1 2\nHits\n");
        folder.write("realms.txt", "USEast\nEurope\n");
        state = ProgramState{};
        state.dataFolder = folder.path();
        messages.messages.clear();
    }

    testing::TempFolder folder;
    ProgramState state;
    testing::RecordingMessageSink messages;
};

// The first file that cannot be read, or a corrupt runeword file, ends the loading there.
TEST_F(RuneDataLoaderTest, FileThatCannotBeReadStopsTheLoading) {
    using Result = RuneDataLoadResult;
    const std::tuple<const char*, const char*, Result, std::size_t> rows[] = {
        {"runes.txt", nullptr, Result::Failed, 0},  // nullptr: the file is missing
        {"runewords.txt", nullptr, Result::Failed, 0},
        {"runewords.txt", "1.0.2\nDuo\n0X1\n1 2\n", Result::CorruptRunewords, 0},
        {"realms.txt", nullptr, Result::Failed, 1},
    };
    for (const auto& [file, bytes, result, runewordsRead] : rows) {
        SCOPED_TRACE(file);
        reset();
        if (bytes)
            folder.write(file, bytes);
        else
            std::filesystem::remove(folder.path() / file);
        EXPECT_EQ(loadRuneData(state, messages), result);
        const char* message =
            result == Result::Failed ? "Failed to open rune data file" : "Corrupt Runeword file";
        EXPECT_EQ(messages.messages, Messages{message});
        EXPECT_EQ(state.runewords->size(), runewordsRead);
        const auto version = runewordsRead ? RuneDataVersion{1, 0, 2} : RuneDataVersion{};
        EXPECT_EQ(state.runeDataVersion, version);
        EXPECT_TRUE(state.realms.empty());
        EXPECT_TRUE(state.accounts.empty());
    }
}

// The numbers of a version line that does not read in full replace the old ones; the list stays.
TEST_F(RuneDataLoaderTest, UnreadableVersionLineKeepsTheOldRunewords) {
    const auto old = std::make_shared<RunewordList>(1);
    state.runewords = old;
    state.runeDataVersion = {1, 5, 7};
    folder.write("runewords.txt", "2.x\nA\n0x1\n1\n\n");
    EXPECT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
    EXPECT_EQ(state.runewords, old);
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{2, 5, 7}));
}

// Loads with the process's address space limited to 256 MiB more than it uses; the exit code
// tells whether the load failed with the memory message.
[[noreturn]] void loadWithLittleMemory(ProgramState& state, testing::RecordingMessageSink& sink) {
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t allowed = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{256} << 20);
    const rlimit limit{allowed, allowed};
    const bool limited = pages > 0 && setrlimit(RLIMIT_AS, &limit) == 0;
    const bool failed = loadRuneData(state, sink) == RuneDataLoadResult::Failed;
    const bool told = sink.messages == Messages{"Failed to allocate enough memory"};
    _exit(limited && failed && told ? 0 : 1);
}

// The limit is set in a child process, and the file is sparse: the test needs no memory and does
// not depend on how the system overcommits it.
TEST_F(RuneDataLoaderTest, FileLargerThanTheMemoryAllowedFailsWithTheMemoryMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs an unlimited address space";
#endif
    std::error_code error;
    std::filesystem::resize_file(folder.path() / "runes.txt", std::uintmax_t{1} << 30, error);
    if (error) GTEST_SKIP() << "no sparse file here: " << error.message();
    EXPECT_EXIT(loadWithLittleMemory(state, messages), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace sockwright
