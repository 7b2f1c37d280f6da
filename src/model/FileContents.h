#pragma once

#include <filesystem>
#include <string>

namespace sockwright {

enum class FileReadStatus { Read, CannotOpen, OutOfMemory };

struct FileContents {
    FileReadStatus status = FileReadStatus::CannotOpen;
    std::string bytes;
};

// Reads a whole file into memory.
FileContents readWholeFile(const std::filesystem::path& path);

}  // namespace sockwright
