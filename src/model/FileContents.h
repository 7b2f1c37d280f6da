#pragma once

#include <filesystem>
#include <string>

#include "model/MessageSink.h"

namespace sockwright {

enum class FileReadStatus { Read, CannotOpen, OutOfMemory };

struct FileContents {
    FileReadStatus status = FileReadStatus::CannotOpen;
    std::string bytes;
};

// Reads a whole file into memory.
FileContents readWholeFile(const std::filesystem::path& path);

// Tells the user why a data file could not be read: "Failed to open rune data file" or
// "Failed to allocate enough memory".
void showReadFailure(FileReadStatus status, MessageSink& messages);

}  // namespace sockwright
