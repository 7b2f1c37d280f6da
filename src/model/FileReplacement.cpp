#include "model/FileReplacement.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace sockwright {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kNewFileMode = 0666;
// The kernel gives up on a chain of links at the same length.
constexpr int kMostLinksFollowed = 40;
// A temporary file is named after its file: "settings.dat.saving-" and mkstemp's six letters or
// digits. The word keeps a user's own "settings.dat.backup" from ever looking like one.
constexpr std::string_view kTemporaryInfix = ".saving-";
constexpr std::size_t kTemporaryUniquePart = 6;

SaveResult lastError() {
    return SaveResult::failure(errno);
}

SaveResult notRegularFile(const fs::path& file) {
    return SaveResult::failure(EINVAL, file.filename().string() + " is not a regular file");
}

// Whether a file may be replaced: a regular file, or none yet. A folder, FIFO or device keeps its
// place. Gives the file's status when there is one.
SaveResult checkReplaceable(const fs::path& file, std::optional<struct stat>& existing) {
    struct stat status;
    if (::stat(file.c_str(), &status) != 0) return errno == ENOENT ? SaveResult() : lastError();
    if (S_ISDIR(status.st_mode)) return SaveResult::failure(EISDIR);
    if (!S_ISREG(status.st_mode)) return notRegularFile(file);
    existing = status;
    return {};
}

bool isTemporaryFileOf(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kTemporaryUniquePart || !name.starts_with(prefix)) {
        return false;
    }
    for (const char c : name.substr(prefix.size())) {
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) return false;
    }
    return true;
}

// Removes a temporary file that no replacement holds any more: its writer was killed between
// making it and renaming it. Only a regular file of this user, and only while it is still the
// file of that name.
void removeIfAbandoned(const fs::path& path) {
    const int descriptor =
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return;
    struct stat opened;
    struct stat named;
    if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_uid == ::geteuid() && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
        named.st_ino == opened.st_ino) {
        ::unlink(path.c_str());
    }
    ::close(descriptor);
}

void removeAbandonedTemporaryFiles(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string prefix = file.filename().native() + std::string(kTemporaryInfix);
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (isTemporaryFileOf(entry->path().filename().native(), prefix)) {
            found.push_back(entry->path());
        }
    }
    for (const fs::path& path : found) removeIfAbandoned(path);
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

// Copies an open file into the target piece by piece.
SaveResult copyOpenFile(int descriptor, const fs::path& source, const fs::path& target,
                        const FileSystemCalls& calls) {
    struct stat status;
    if (::fstat(descriptor, &status) != 0) return lastError();
    if (S_ISDIR(status.st_mode)) return SaveResult::failure(EISDIR);
    if (!S_ISREG(status.st_mode)) return notRegularFile(source);
    FileReplacement copy(target, status.st_mode & kPermissionBits, calls);
    char chunk[64 * 1024];
    while (copy.status()) {
        const ssize_t read = ::read(descriptor, chunk, sizeof chunk);
        if (read < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        if (read == 0) return copy.commit();
        (void)copy.append(std::string_view(chunk, static_cast<std::size_t>(read)));
    }
    return copy.status();
}

// Makes a finished rename survive a crash; a failure here does not undo the save.
void syncFolder(const fs::path& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
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
    std::optional<struct stat> existing;
    if (status_) status_ = checkReplaceable(file_, existing);
    if (!status_) return;
    if (!mode)
        mode = existing ? existing->st_mode & kPermissionBits : kNewFileMode & ~creationMask();
    status_ = createTemporaryFile(*mode);
    if (!status_) discard();
}

SaveResult FileReplacement::createTemporaryFile(mode_t mode) {
    // Beside the file, so that the rename stays within one file system. The name is unique, so
    // two replacements of the same file never write into, rename or remove each other's.
    for (int attempt = 1;; ++attempt) {
        std::string temporary =
            file_.native() + std::string(kTemporaryInfix) + std::string(kTemporaryUniquePart, 'X');
        descriptor_ = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (descriptor_ < 0) return lastError();
        temporary_ = temporary;

        // Until it is locked, another replacement finishing now may take the new file for an
        // abandoned one and remove it; then another is made. Locked before its mode is set, which
        // may not let its owner read it.
        int lost = 0;
        lockDescriptor_ = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (lockDescriptor_ < 0) {
            lost = errno == ENOENT ? ENOENT : 0;
        } else if (::flock(lockDescriptor_, LOCK_EX | LOCK_NB) != 0) {
            // A file system without flock: nobody can lock the file, so nobody removes it.
            lost = errno == EWOULDBLOCK ? EWOULDBLOCK : 0;
        } else {
            struct stat written;
            struct stat named;
            const bool same = ::fstat(descriptor_, &written) == 0 &&
                              ::lstat(temporary.c_str(), &named) == 0 &&
                              written.st_dev == named.st_dev && written.st_ino == named.st_ino;
            lost = same ? 0 : ENOENT;
        }
        if (lost == 0) return ::fchmod(descriptor_, mode) == 0 ? SaveResult() : lastError();
        temporary_.clear();  // not ours to remove: whatever has that name now is another's
        closeTemporaryFile();
        if (attempt == 3) return SaveResult::failure(lost);
    }
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
    closeTemporaryFile();
    syncFolder(file_.parent_path());
    removeAbandonedTemporaryFiles(file_);
    return status_;
}

void FileReplacement::closeTemporaryFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (lockDescriptor_ >= 0) ::close(lockDescriptor_);
    lockDescriptor_ = -1;
}

void FileReplacement::discard() {
    // Removed while still locked, so no other replacement can take it for an abandoned one.
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    closeTemporaryFile();
}

SaveResult replaceFileContents(const fs::path& target, std::string_view bytes,
                               const FileSystemCalls& calls) {
    return replaceWith(target, bytes, std::nullopt, calls);
}

SaveResult copyFileContents(const fs::path& source, const fs::path& target,
                            const FileSystemCalls& calls) {
    // Opened without waiting, so that a FIFO is refused rather than waited for.
    const int descriptor = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return lastError();
    SaveResult result = copyOpenFile(descriptor, source, target, calls);
    ::close(descriptor);
    return result;
}

SaveResult keepBackupCopy(const fs::path& file, const FileSystemCalls& calls) {
    std::error_code error;
    if (!fs::exists(file, error)) return error ? SaveResult::failure(error.value()) : SaveResult();
    fs::path backup = file;
    backup += ".bak";
    SaveResult copied = copyFileContents(file, backup, calls);
    if (copied) return copied;
    return SaveResult::failure(
        copied.errorNumber(),
        "keeping a copy in " + backup.filename().string() + " failed: " + copied.reason());
}

}  // namespace sockwright
