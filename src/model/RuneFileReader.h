#pragma once

#include <string_view>

#include "model/RuneTable.h"

namespace sockwright {

// Reads the rune file's lines "name:level:weapons:armour:shields" into rune slots 1..33.
RuneTable parseRuneFile(std::string_view contents);

}  // namespace sockwright
