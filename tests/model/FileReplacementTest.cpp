// Replacing a file's contents: whatever fails, the file holds all of its old contents or all of
// the new ones, keeps its permission bits and its links, and the failure says why.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "model/FileReplacement.h"
#include "support/TempFolder.h"

namespace sockwright {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

mode_t permissionBits(const fs::path& file) {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
    return status.st_mode & 07777;
}

// The names in a folder, so that a temporary file left behind shows up.
Names namesIn(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileReplacement, KeepsThePermissionBitsOfTheFileItReplaces) {
    TempFolder folder;
    for (const mode_t mode : {0600, 0640, 0604, 0755}) {
        const fs::path file = folder.write("file", "old");
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        ASSERT_TRUE(replaceFileContents(file, "new"));
        EXPECT_EQ(folder.read("file"), "new");
        EXPECT_EQ(permissionBits(file), mode) << std::oct << mode;
    }

    // A new file is made as open() would make it: 0666 less the umask.
    const mode_t oldMask = ::umask(027);
    EXPECT_TRUE(replaceFileContents(folder.path() / "new file", "bytes"));
    ::umask(oldMask);
    EXPECT_EQ(permissionBits(folder.path() / "new file"), 0640u);
}

TEST(FileReplacement, WritesThroughSymbolicLinks) {
    TempFolder folder;
    folder.write("elsewhere/real", "old");
    fs::create_directory(folder.path() / "links");
    const fs::path link = folder.path() / "links" / "link";
    fs::create_symlink("../elsewhere/real", link);  // relative to the link's own folder
    const fs::path linkToLink = folder.path() / "link to link";
    fs::create_symlink(link, linkToLink);
    for (const fs::path& through : {link, linkToLink}) {
        const std::string bytes = "new through " + through.filename().string();
        ASSERT_TRUE(replaceFileContents(through, bytes));
        EXPECT_EQ(folder.read("elsewhere/real"), bytes);
        EXPECT_EQ(fs::read_symlink(link), "../elsewhere/real");
        EXPECT_TRUE(fs::is_symlink(linkToLink));
    }
    // The temporary file went beside the real file, and nothing was left anywhere.
    EXPECT_EQ(namesIn(folder.path() / "elsewhere"), Names{"real"});
    EXPECT_EQ(namesIn(folder.path() / "links"), Names{"link"});

    // A link to a file not there yet makes that file and stays a link.
    fs::create_symlink("made later", folder.path() / "dangling");
    ASSERT_TRUE(replaceFileContents(folder.path() / "dangling", "made"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "dangling"));
    EXPECT_EQ(folder.read("made later"), "made");

    // Links that lead round in a circle name no file.
    fs::create_symlink("loop b", folder.path() / "loop a");
    fs::create_symlink("loop a", folder.path() / "loop b");
    EXPECT_EQ(replaceFileContents(folder.path() / "loop a", "never").errorNumber(), ELOOP);
    EXPECT_TRUE(fs::is_symlink(folder.path() / "loop a"));
}

// Fails its first write with no room left; the counter lets a test fail a later write instead.
// Each write takes at most three bytes, as a write may.
int failWith(int error) {
    errno = error;
    return -1;
}
std::atomic<int> writesBeforeFailure{0};
ssize_t writeUntilFull(int descriptor, const void* bytes, std::size_t count) {
    if (writesBeforeFailure-- <= 0) return failWith(ENOSPC);
    return ::write(descriptor, bytes, std::min<std::size_t>(count, 3));
}

TEST(FileReplacement, EachFailingStepLeavesTheOldFileAndNoTemporaryFile) {
    const struct {
        const char* step;
        FileSystemCalls calls;
        int writesFirst;
        int error;
    } failures[] = {
        {"first write", {.write = writeUntilFull}, 0, ENOSPC},
        {"write after part of the file", {.write = writeUntilFull}, 2, ENOSPC},
        {"fsync", {.fsync = [](int) { return failWith(EIO); }}, 0, EIO},
        {"rename",
         {.rename = [](const char*, const char*) { return failWith(EACCES); }},
         0,
         EACCES},
    };
    const std::string old = "the old contents\n";
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.step);
        TempFolder folder;
        const fs::path file = folder.write("settings.dat", old);
        ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
        for (const fs::path& target : {file, folder.path() / "new.dat"}) {
            writesBeforeFailure = failure.writesFirst;
            const SaveResult result =
                replaceFileContents(target, "much longer new contents\n", failure.calls);
            EXPECT_FALSE(result);
            EXPECT_EQ(result.errorNumber(), failure.error);
            EXPECT_EQ(result.reason(), std::generic_category().message(failure.error));
        }
        EXPECT_EQ(folder.read("settings.dat"), old);
        EXPECT_EQ(permissionBits(file), 0640u);
        EXPECT_EQ(namesIn(folder.path()), Names{"settings.dat"});
    }

    // Writes that take a few bytes at a time still write the whole file.
    TempFolder folder;
    writesBeforeFailure = 1000;
    ASSERT_TRUE(replaceFileContents(folder.path() / "file", "in small pieces", {writeUntilFull}));
    EXPECT_EQ(folder.read("file"), "in small pieces");
}

// A copy of a private file is private, even over a copy that was not; a copy that cannot read
// its source fails and must not empty the target.
TEST(FileReplacement, CopyTakesTheSourcesModeAndNeverEmptiesTheTarget) {
    TempFolder folder;
    const fs::path source = folder.write("private", "secret");
    ASSERT_EQ(::chmod(source.c_str(), 0600), 0);
    const fs::path copy = folder.write("copy", "older copy");
    ASSERT_EQ(::chmod(copy.c_str(), 0644), 0);
    ASSERT_TRUE(copyFileContents(source, copy));
    EXPECT_EQ(folder.read("copy"), "secret");
    EXPECT_EQ(permissionBits(copy), 0600u);

    EXPECT_EQ(copyFileContents(folder.path() / "missing", copy).errorNumber(), ENOENT);
    EXPECT_EQ(copyFileContents(folder.path(), copy).errorNumber(), EISDIR);
    EXPECT_EQ(folder.read("copy"), "secret");
    EXPECT_EQ(namesIn(folder.path()), (Names{"copy", "private"}));
}

// Two saves of the same file at the same time, as two running copies of the program make: a
// reader only ever finds one whole content, never an empty, mixed or cut file.
TEST(FileReplacement, RacingSavesLeaveOneWholeContent) {
    TempFolder folder;
    const std::string first(20000, 'a');
    const std::string second = std::string(30000, 'b') + '\n';
    const fs::path file = folder.write("settings.dat", first);

    std::atomic<int> failedSaves{0};
    std::atomic<bool> saving{true};
    const auto saveOften = [&](const std::string& bytes) {
        for (int round = 0; round < 100; ++round) {
            if (!replaceFileContents(file, bytes)) ++failedSaves;
        }
    };
    std::vector<std::string> strangeReads;
    std::thread reader([&] {
        while (saving) {
            std::string read = folder.read("settings.dat");
            if (read != first && read != second) strangeReads.push_back(std::move(read));
        }
    });
    std::thread one(saveOften, first);
    std::thread other(saveOften, second);
    one.join();
    other.join();
    saving = false;
    reader.join();

    EXPECT_EQ(failedSaves, 0);
    EXPECT_TRUE(strangeReads.empty()) << strangeReads.size() << " reads, the first of "
                                      << strangeReads.front().size() << " bytes";
    EXPECT_EQ(namesIn(folder.path()), Names{"settings.dat"});
}

}  // namespace
}  // namespace sockwright
