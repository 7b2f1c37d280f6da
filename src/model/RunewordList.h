#pragma once

#include <cstddef>
#include <vector>

#include "model/Runeword.h"

namespace sockwright {

inline constexpr std::size_t kMaxRunewords = 1000;

// The runewords in the order of the runeword file. The program holds the current list through
// a shared pointer so that a replaced list lives until the list view has been refilled.
using RunewordList = std::vector<Runeword>;

}  // namespace sockwright
