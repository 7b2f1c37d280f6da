#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Texts.h"
#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using Messages = std::vector<std::string>;

struct RuneDataLoaderTest : ::testing::Test {
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

// Each row changes one data file (nullptr: removes it) and loads over one old runeword of version
// 1.5.7. The first file that cannot be read, or a corrupt runeword file, ends the loading there
// with its message. A version line replaces the old numbers it reads, but one that does not read
// in full, or a file of one line (perhaps a download cut short), gives no list.
TEST_F(RuneDataLoaderTest, EachDataFileDecidesHowFarTheLoadingGoes) {
    using enum RuneDataLoadResult;
    const std::tuple<const char*, const char*, RuneDataLoadResult, bool, RuneDataVersion> rows[] = {
        {"runes.txt", nullptr, Failed, true, {1, 5, 7}},
        {"runewords.txt", nullptr, Failed, true, {1, 5, 7}},
        {"runewords.txt", "1.0.2\nDuo\n0X1\n1 2\n", CorruptRunewords, true, {1, 5, 7}},
        {"realms.txt", nullptr, Failed, false, {1, 0, 2}},
        {"runewords.txt", "2.x\nA\n0x1\n1\n\n", Loaded, true, {2, 5, 7}},
        {"runewords.txt", "\n1.2.3\nA\n0x1\n1\n\n", Loaded, true, {1, 5, 7}},
        {"runewords.txt", "1.2.3", Loaded, true, {1, 5, 7}}};
    for (const auto& [file, bytes, result, keepsOld, version] : rows) {
        SCOPED_TRACE(bytes ? bytes : file);
        reset();
        const auto old = state.runewords = std::make_shared<RunewordList>(1);
        state.runeDataVersion = {1, 5, 7};
        std::filesystem::remove(folder.path() / file);
        if (bytes) folder.write(file, bytes);
        EXPECT_EQ(loadRuneData(state, messages), result);
        const std::string message =
            result == Failed ? std::string(text(TextCannotOpenRuneData)) : "Corrupt Runeword file";
        EXPECT_EQ(messages.messages, result == Loaded ? Messages{} : Messages{message});
        EXPECT_EQ(state.runewords == old, keepsOld);
        EXPECT_EQ(state.runeDataVersion, version);
        EXPECT_EQ(state.realms.empty(), result != Loaded);
        EXPECT_EQ(state.accounts.empty(), result != Loaded);
    }
}

}  // namespace
}  // namespace sockwright
