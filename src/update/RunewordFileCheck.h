#pragma once

#include <string_view>

#include "model/RuneTable.h"

namespace sockwright {

// Whether downloaded bytes may take the place of the runeword file: they read as a runeword file
// with a version line and without a corrupt entry. An error page, a cut file or one the program
// would refuse at its next start never replaces a working file.
bool isLoadableRunewordFile(std::string_view contents, const RuneTable& runeTable);

}  // namespace sockwright
