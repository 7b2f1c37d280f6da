// Replacing a file's contents: whatever fails, the file holds all of its old contents or all of
// the new ones, keeps its permission bits and its links, and the failure says why.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <tuple>

#include "model/FileReplacement.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

mode_t permissionBits(const fs::path& file) {
    return static_cast<mode_t>(fs::status(file).permissions() & fs::perms::mask);
}

// Fails every write once the counter runs out, with no room left; each write takes at most three
// bytes, as a write may.
std::atomic<int> writesBeforeFailure{0};
int failWith(int error) {
    errno = error;
    return -1;
}
ssize_t writeUntilFull(int descriptor, const void* bytes, std::size_t count) {
    if (writesBeforeFailure-- <= 0) return failWith(ENOSPC);
    return ::write(descriptor, bytes, std::min<std::size_t>(count, 3));
}

// The file keeps its permission bits; a new file is made as open() would make it: 0666 less the
// umask. Writes that take a few bytes at a time still write the whole file.
TEST(FileReplacement, KeepsThePermissionBitsAndWritesEveryByte) {
    TempFolder folder;
    const fs::path file = folder.write("file", "old");
    for (const mode_t mode : {0640, 0604, 0755, 0600}) {
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        writesBeforeFailure = 1000;
        ASSERT_TRUE(replaceFileContents(file, "in small pieces", {writeUntilFull}));
        EXPECT_EQ(folder.read("file"), "in small pieces");
        EXPECT_EQ(permissionBits(file), mode) << std::oct << mode;
    }
    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(replaceFileContents(folder.path() / "new file", "bytes"));
    ::umask(oldMask);
    EXPECT_EQ(permissionBits(folder.path() / "new file"), 0640u);

    // A copy takes the mode of its source, so a copy of the private file is private; a copy that
    // cannot read its source fails and leaves the target as it was.
    ASSERT_TRUE(copyFileContents(file, folder.path() / "new file"));
    EXPECT_EQ(permissionBits(folder.path() / "new file"), 0600u);
    EXPECT_EQ(copyFileContents(folder.path(), folder.path() / "new file").errorNumber(), EISDIR);
    EXPECT_EQ(folder.read("new file"), "in small pieces");
}

// The file a chain of links leads to is replaced, the links stay, and a link to a file not there
// yet makes that file. Links that lead round in a circle name no file.
TEST(FileReplacement, WritesThroughSymbolicLinks) {
    TempFolder folder;
    const fs::path root = folder.path();
    folder.write("elsewhere/real", "old");
    fs::create_directory(root / "links");
    fs::create_symlink("../elsewhere/real", root / "links/link");  // relative to its own folder
    fs::create_symlink(root / "links/link", root / "chain");
    for (const char* through : {"links/link", "chain"}) {
        ASSERT_TRUE(replaceFileContents(root / through, through));
        EXPECT_EQ(folder.read("elsewhere/real"), through);
        EXPECT_TRUE(fs::is_symlink(root / through));
    }

    fs::create_symlink("made later", root / "dangling");
    ASSERT_TRUE(replaceFileContents(root / "dangling", "made"));
    EXPECT_EQ(folder.read("made later"), "made");
    fs::create_symlink("loop b", root / "loop a");
    fs::create_symlink("loop a", root / "loop b");
    EXPECT_EQ(replaceFileContents(root / "loop a", "never").errorNumber(), ELOOP);
}

// Each failing step leaves the old file and no temporary file, and says why.
TEST(FileReplacement, EachFailingStepLeavesTheOldFileAndNoTemporaryFile) {
    const std::tuple<const char*, FileSystemCalls, int> failures[] = {
        {"write after part of the file", {.write = writeUntilFull}, ENOSPC},
        {"fsync", {.fsync = [](int) { return failWith(EIO); }}, EIO},
        {"rename", {.rename = [](const char*, const char*) { return failWith(EACCES); }}, EACCES},
    };
    for (const auto& [step, calls, error] : failures) {
        SCOPED_TRACE(step);
        TempFolder folder;
        const fs::path file = folder.write("settings.dat", "old\n");
        writesBeforeFailure = 2;
        const SaveResult result = replaceFileContents(file, "longer new bytes\n", calls);
        EXPECT_EQ(result.errorNumber(), error);
        EXPECT_EQ(result.reason(), std::generic_category().message(error));
        EXPECT_EQ(folder.read("settings.dat"), "old\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}),
                  1);  // no temporary file
    }
}

}  // namespace
}  // namespace sockwright
