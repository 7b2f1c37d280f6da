#include "model/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <new>
#include <optional>
#include <string>
#include <system_error>

namespace sockwright {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0666;
// The kernel gives up on a chain of links at the same length.
constexpr int kMostLinksFollowed = 40;

SaveResult lastError() {
    return SaveResult::failure(errno);
}

// Follows symbolic links from the path to the file they finally lead to, which need not exist
// yet: a link to a missing file is written through like any other.
SaveResult followLinks(fs::path& path) {
    for (int followed = 0;; ++followed) {
        struct stat status;
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT ? SaveResult() : lastError();
        }
        if (!S_ISLNK(status.st_mode)) return {};
        if (followed == kMostLinksFollowed) return SaveResult::failure(ELOOP);
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return SaveResult::failure(error.value());
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
}

// The process's umask. Read from /proc where the system offers it, because umask() reads the
// mask only by setting it, which for a moment changes it for every thread.
mode_t creationMask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    constexpr std::string_view kField = "Umask:";
    while (std::getline(status, line)) {
        if (line.compare(0, kField.size(), kField) != 0) continue;
        char* end = nullptr;
        const unsigned long mask = std::strtoul(line.c_str() + kField.size(), &end, 8);
        if (end != line.c_str() + kField.size()) return static_cast<mode_t>(mask) & 0777;
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

SaveResult writeAll(int descriptor, std::string_view bytes, const FileSystemCalls& calls) {
    while (!bytes.empty()) {
        const ssize_t written = calls.write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        // A write that takes nothing would never finish the file.
        if (written == 0) return SaveResult::failure(EIO);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

SaveResult readAll(int descriptor, std::string& bytes) {
    char chunk[64 * 1024];
    try {
        for (;;) {
            const ssize_t read = ::read(descriptor, chunk, sizeof chunk);
            if (read < 0) {
                if (errno == EINTR) continue;
                return lastError();
            }
            if (read == 0) return {};
            bytes.append(chunk, static_cast<std::size_t>(read));
        }
    } catch (const std::bad_alloc&) {
        return SaveResult::failure(ENOMEM);
    } catch (const std::length_error&) {
        return SaveResult::failure(ENOMEM);
    }
}

// Makes a finished rename survive a crash; a failure here does not undo the save.
void syncFolder(const fs::path& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// The permission bits a replacement of the file gets when none are asked for.
std::optional<mode_t> modeToKeep(const fs::path& file, SaveResult& result) {
    struct stat old;
    if (::stat(file.c_str(), &old) == 0) return old.st_mode & kPermissionBits;
    if (errno == ENOENT) return kNewFileMode & ~creationMask();
    result = lastError();
    return std::nullopt;
}

SaveResult replaceWith(const fs::path& target, std::string_view bytes, std::optional<mode_t> mode,
                       const FileSystemCalls& calls) {
    FileReplacement replacement(target, mode, calls);
    if (SaveResult appended = replacement.append(bytes); !appended) return appended;
    return replacement.commit();
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& target, std::optional<mode_t> mode,
                                 const FileSystemCalls& calls)
    : file_(target), calls_(calls) {
    status_ = followLinks(file_);
    if (status_ && !mode) mode = modeToKeep(file_, status_);
    if (!status_) return;

    // Beside the file, so that the rename stays within one file system. The name is unique, so
    // two saves of the same file never write into, rename or remove each other's.
    std::string temporary = file_.native() + ".XXXXXX";
    descriptor_ = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
        status_ = lastError();
        return;
    }
    temporary_ = temporary;
    if (::fchmod(descriptor_, *mode) != 0) status_ = lastError();
}

FileReplacement::~FileReplacement() {
    discard();
}

SaveResult FileReplacement::append(std::string_view bytes) {
    if (status_) status_ = writeAll(descriptor_, bytes, calls_);
    return status_;
}

SaveResult FileReplacement::commit() {
    if (descriptor_ < 0) return status_;
    if (status_ && calls_.fsync(descriptor_) != 0) status_ = lastError();
    // Some file systems report a failed write only when the file is closed.
    if (::close(descriptor_) != 0 && status_) status_ = lastError();
    descriptor_ = -1;
    if (status_ && calls_.rename(temporary_.c_str(), file_.c_str()) != 0) status_ = lastError();
    if (!status_) {
        discard();
        return status_;
    }
    temporary_.clear();
    syncFolder(file_.parent_path());
    return status_;
}

void FileReplacement::discard() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

SaveResult replaceFileContents(const fs::path& target, std::string_view bytes,
                               const FileSystemCalls& calls) {
    return replaceWith(target, bytes, std::nullopt, calls);
}

SaveResult copyFileContents(const fs::path& source, const fs::path& target,
                            const FileSystemCalls& calls) {
    const int descriptor = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return lastError();
    struct stat status;
    std::string bytes;
    SaveResult result;
    if (::fstat(descriptor, &status) != 0) result = lastError();
    if (result) result = readAll(descriptor, bytes);
    ::close(descriptor);
    if (!result) return result;
    return replaceWith(target, bytes, status.st_mode & kPermissionBits, calls);
}

}  // namespace sockwright
