#include "model/FileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <stdexcept>

#include "Texts.h"

namespace sockwright {
namespace {

FileReadStatus readRegularFile(int descriptor, std::uintmax_t mostBytes, std::string& bytes) {
    // What the descriptor is, not what the path was a moment ago: nothing can be swapped in
    // between the check and the reading.
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        return FileReadStatus::CannotOpen;
    }
    if (static_cast<std::uintmax_t>(status.st_size) > mostBytes) return FileReadStatus::TooLarge;
    try {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
        char chunk[64 * 1024];
        for (;;) {
            const ssize_t read = ::read(descriptor, chunk, sizeof chunk);
            if (read < 0) {
                if (errno == EINTR) continue;
                return FileReadStatus::CannotOpen;
            }
            if (read == 0) return FileReadStatus::Read;
            // The file may grow while it is read.
            if (bytes.size() + static_cast<std::size_t>(read) > mostBytes) {
                return FileReadStatus::TooLarge;
            }
            bytes.append(chunk, static_cast<std::size_t>(read));
        }
    } catch (const std::bad_alloc&) {
        return FileReadStatus::OutOfMemory;
    } catch (const std::length_error&) {
        return FileReadStatus::OutOfMemory;
    }
}

}  // namespace

FileContents readWholeFile(const std::filesystem::path& path, std::uintmax_t mostBytes) {
    FileContents contents;
    // Opening without waiting: a FIFO would otherwise block here until some writer opened it.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return contents;
    contents.status = readRegularFile(descriptor, mostBytes, contents.bytes);
    ::close(descriptor);
    if (contents.status != FileReadStatus::Read) contents.bytes = std::string();
    return contents;
}

void showReadFailure(FileReadStatus status, MessageSink& messages) {
    const bool memory = status == FileReadStatus::OutOfMemory || status == FileReadStatus::TooLarge;
    messages.showMessage(std::string(text(memory ? TextOutOfMemory : TextCannotOpenRuneData)));
}

}  // namespace sockwright
