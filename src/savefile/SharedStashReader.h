#pragma once

#include <string_view>

#include "savefile/SaveFileSummary.h"

namespace sockwright::savefile {

// Reads a shared stash file (.d2i) of format version 97, 98, 99 or 105, with three tabs or the
// latest edition's seven sections (five tabs, the materials tab of stacked items, and the
// chronicle, which holds no items). Each tab's items must end exactly where its section ends;
// anything that does not fit throws SaveFileError.
class SharedStashReader {
  public:
    // hardcore: whether the file is the hardcore stash, which only its name tells.
    static SaveFileSummary read(std::string_view bytes, bool hardcore);
};

}  // namespace sockwright::savefile
