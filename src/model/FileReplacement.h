#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/SaveResult.h"

namespace sockwright {

// The system calls that can fail while a file is replaced. Tests put functions here that fail
// on purpose; everything else uses the real calls.
struct FileSystemCalls {
    ssize_t (*write)(int descriptor, const void* bytes, std::size_t count) = ::write;
    int (*fsync)(int descriptor) = ::fsync;
    int (*rename)(const char* from, const char* to) = ::rename;
};

// A new content for a file, written piece by piece into a fresh temporary file beside it and put
// in its place only by commit(): until then, and whatever fails, the file keeps its old content.
// A replacement that is not committed leaves no temporary file behind. One whose process was
// killed leaves its temporary file ("<name>.saving-" and six letters or digits); that file never
// stands in the way of a later replacement, and the next one committed for the same file removes
// it. A replacement locks its temporary file (flock) for its whole life, so only files whose
// writer is gone are removed, never one that another process is still writing.
class FileReplacement {
  public:
    // The new file gets the given permission bits, or when none are given those of the file it
    // replaces (0666 less the umask for a new file). Symbolic links are written through. Only a
    // regular file is replaced: a folder, a FIFO or a device in its place fails the replacement.
    explicit FileReplacement(const std::filesystem::path& target,
                             std::optional<mode_t> mode = std::nullopt,
                             const FileSystemCalls& calls = {});
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Adds bytes to the new content. After a failure nothing more is written.
    SaveResult append(std::string_view bytes);
    // The new content written so far, for a check before it is committed.
    const std::filesystem::path& temporaryPath() const { return temporary_; }
    // The first failure so far; success while everything went well.
    const SaveResult& status() const { return status_; }
    // Syncs the new content and renames it over the file.
    SaveResult commit();

  private:
    SaveResult createTemporaryFile(mode_t mode);
    void closeTemporaryFile();
    void discard();

    std::filesystem::path file_;
    std::filesystem::path temporary_;
    int descriptor_ = -1;
    // A second open of the temporary file that holds its lock until it has been renamed, so that
    // closing the written descriptor before the rename does not give the lock up.
    int lockDescriptor_ = -1;
    FileSystemCalls calls_;
    SaveResult status_;
};

// Replaces the target's contents by the bytes so that, whatever fails or crashes, the target
// holds either all of its old contents or all of the new ones:
// - the bytes go to a fresh temporary file of a unique name beside the file (so saves running
//   at the same time never share one), are synced, and the temporary file is renamed over it;
// - a symbolic link is written through: the file it leads to is replaced and the link stays;
// - the file keeps its permission bits; a new file gets 0666 less the process's umask, as a
//   file made with open() would;
// - only a regular file is replaced (see FileReplacement).
// On failure the target is unchanged, no temporary file is left, and the result holds the
// reason of the step that failed.
SaveResult replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                               const FileSystemCalls& calls = {});

// Replaces the target's contents by those of the source, in the same safe way, and gives the
// target the source's permission bits, so a copy of a private file is private too. The source
// must be a regular file (a FIFO is never waited for); it is copied in pieces, so its size does
// not matter.
SaveResult copyFileContents(const std::filesystem::path& source,
                            const std::filesystem::path& target, const FileSystemCalls& calls = {});

// Keeps a file that was not read in full as it is on disk, in "<name>.bak" beside it, before a
// save replaces it (copyFileContents); succeeds at once when there is no such file. A failure
// names the copy, so the user can tell it from a failure to write the file itself.
SaveResult keepBackupCopy(const std::filesystem::path& file, const FileSystemCalls& calls = {});

}  // namespace sockwright
