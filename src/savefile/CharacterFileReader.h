#pragma once

#include <string_view>

#include "savefile/SaveFileSummary.h"

namespace sockwright::savefile {

// Reads a character file (.d2s) of format version 97, 98, 99 or 105: the header's name, class,
// level and mode, then every item list to the file's end, counting the runes. A file that does
// not fit the format (cut, grown, a checksum that does not match, an item that does not decode)
// throws SaveFileError.
class CharacterFileReader {
  public:
    static SaveFileSummary read(std::string_view bytes);
};

}  // namespace sockwright::savefile
