#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "savefile/SaveFileSummary.h"

namespace sockwright::savefile {

// The largest save file read: a full character is well under 100 KiB.
inline constexpr std::uintmax_t kMostSaveFileBytes = std::uintmax_t{8} << 20;  // 8 MiB

// The outcome of reading a save file: its summary, or why it could not be read.
struct SaveFileReading {
    std::optional<SaveFileSummary> summary;
    std::string reason;  // empty when read, e.g. "the checksum does not match (...)"

    bool ok() const { return summary.has_value(); }
    // The failure for the user, naming the file: Cannot read "Name.d2s": <reason>.
    std::string message(const std::filesystem::path& file) const;
};

// Reads the game's save files: a character (.d2s) or a shared stash (.d2i), told apart by their
// contents. The file is only ever opened for reading.
class SaveFileReader {
  public:
    // A regular file of at most kMostSaveFileBytes.
    static SaveFileReading readFile(const std::filesystem::path& file);
    // The bytes of a file; its name tells a hardcore shared stash from a softcore one.
    static SaveFileReading readBytes(std::string_view bytes, std::string_view fileName);
};

}  // namespace sockwright::savefile
