#include "model/RuneDataLoader.h"

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/FileContents.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using Messages = std::vector<std::string>;

class RuneDataLoaderTest : public ::testing::Test {
protected:
    RuneDataLoaderTest() {
        state.dataFolder = folder.path();
        folder.write("runes.txt", "El:11:a:b:c\nEld:11:d:e:f\n");
        folder.write("runewords.txt", "1.0.2\nDuo\n0x1\n1 2\nHits\n");
        folder.write("realms.txt", "USEast\nEurope\n");
    }

    testing::TempFolder folder;
    ProgramState state;
    testing::RecordingMessageSink messages;
};

TEST_F(RuneDataLoaderTest, LoadsEveryFileThenTheSettings) {
    EXPECT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(state.runeTable.filledCount(), 2);
    ASSERT_EQ(state.runewords->size(), 1u);
    EXPECT_EQ(state.runewords->front().requiredLevel, 11);
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{1, 0, 2}));
    EXPECT_EQ(state.realms, (RealmList{"USEast", "Europe"}));
    // Without a settings file the default accounts are made.
    EXPECT_FALSE(state.accounts.empty());
}

TEST_F(RuneDataLoaderTest, MissingRuneFileStopsBeforeTheOtherFiles) {
    std::filesystem::remove(folder.path() / "runes.txt");
    EXPECT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Failed);
    EXPECT_EQ(messages.messages, Messages{"Failed to open rune data file"});
    EXPECT_TRUE(state.runewords->empty());
    EXPECT_EQ(state.runeDataVersion, (RuneDataVersion{0, 0, 0}));
    EXPECT_TRUE(state.realms.empty());
    EXPECT_TRUE(state.accounts.empty());
}

TEST_F(RuneDataLoaderTest, MissingRealmFileFailsAfterTheRunewords) {
    std::filesystem::remove(folder.path() / "realms.txt");
    EXPECT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Failed);
    EXPECT_EQ(messages.messages, Messages{"Failed to open rune data file"});
    EXPECT_EQ(state.runewords->size(), 1u);
    EXPECT_TRUE(state.accounts.empty());
}

TEST_F(RuneDataLoaderTest, CorruptRunewordFileStopsTheLoading) {
    folder.write("runewords.txt", "1.0.2\nDuo\n0X1\n1 2\n");
    EXPECT_EQ(loadRuneData(state, messages), RuneDataLoadResult::CorruptRunewords);
    EXPECT_EQ(messages.messages, Messages{"Corrupt Runeword file"});
    EXPECT_TRUE(state.realms.empty());
    EXPECT_TRUE(state.accounts.empty());
}

TEST_F(RuneDataLoaderTest, FileTooLargeForMemoryFailsWithTheMemoryMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer aborts on a huge allocation instead of failing it";
#endif
    // Only where the system refuses an allocation far beyond its memory; with unconditional
    // overcommit the read would try to fill the memory.
    std::ifstream overcommit("/proc/sys/vm/overcommit_memory");
    int mode = -1;
    if (!(overcommit >> mode) || mode == 1) GTEST_SKIP() << "memory overcommit mode " << mode;
    std::error_code error;
    std::filesystem::resize_file(folder.path() / "runes.txt", std::uintmax_t{1} << 42, error);
    if (error) GTEST_SKIP() << "no sparse file here: " << error.message();

    EXPECT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Failed);
    EXPECT_EQ(messages.messages, Messages{"Failed to allocate enough memory"});
}

TEST(FileContentsTest, ReadsEveryByteAndRefusesFolders) {
    testing::TempFolder folder;
    const std::string bytes("a\0b\r\n\xff", 6);
    const FileContents file = readWholeFile(folder.write("f.bin", bytes));
    EXPECT_EQ(file.status, FileReadStatus::Read);
    EXPECT_EQ(file.bytes, bytes);
    EXPECT_EQ(readWholeFile(folder.write("empty", "")).status, FileReadStatus::Read);
    EXPECT_EQ(readWholeFile(folder.path()).status, FileReadStatus::CannotOpen);
    EXPECT_EQ(readWholeFile(folder.path() / "missing").status, FileReadStatus::CannotOpen);
}

}  // namespace
}  // namespace sockwright
