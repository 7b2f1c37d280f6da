#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "model/MessageSink.h"

namespace sockwright {

enum class FileReadStatus {
    Read,
    CannotOpen,   // missing, unreadable, or not a regular file (a folder, a FIFO, a device)
    OutOfMemory,  // the contents could not be held in memory
    TooLarge      // larger than the reader takes
};

// The largest data file the program reads: the rune, runeword and realm files and settings.dat.
// The shipped runeword file is about 200 bytes an entry, so its 1000 entries would fill a twentieth
// of this; a settings file is about a kilobyte an account. Anything larger is not one of ours, and
// reading it whole could cost more memory than the machine has.
struct FileContents {
    FileReadStatus status = FileReadStatus::CannotOpen;
    std::string bytes;
};

inline constexpr std::uintmax_t kMostDataFileBytes = std::uintmax_t{4} << 20;  // 4 MiB

// Reads a whole regular file into memory. Anything else is not opened for reading: a FIFO or a
// device could block or never end. A file larger than mostBytes (also one that grows past it
// while it is read) is refused.
FileContents readWholeFile(const std::filesystem::path& path,
                           std::uintmax_t mostBytes = kMostDataFileBytes);

// Tells the user why a data file could not be read: "Failed to open rune data file", or "Failed to
// allocate enough memory" for a file too large to hold.
void showReadFailure(FileReadStatus status, MessageSink& messages);

}  // namespace sockwright
