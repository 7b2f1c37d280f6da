#include "model/FileReplacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace sockwright {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTemporarySuffix = ".tmp";

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes a finished rename survive a crash; a failure here does not undo the save.
void syncFolder(const fs::path& folder) {
    const int descriptor =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

bool replaceFileContents(const fs::path& target, std::string_view bytes) {
    fs::path temporary = target;
    temporary += kTemporarySuffix;
    // A temporary file left by an earlier crash is ours to replace; a folder of that name stays.
    ::unlink(temporary.c_str());
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) return false;

    bool written = writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    written = ::close(descriptor) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

}  // namespace sockwright
