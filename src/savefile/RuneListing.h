#pragma once

#include <string>

#include "model/RuneTable.h"
#include "savefile/SaveFileReader.h"

namespace sockwright::savefile {

// The plain-text report of one save file for scripts and bug reports: "file: <path>", then
// "character: <name> <CLASS> <level>" or "stash: softcore|hardcore", then one line
// "rune <Name> loose <n> socketed <m>" for each rune found, in rune order; for a file that was
// refused, "error: <reason>" after the file line. Every line ends with a line feed.
std::string runeListing(const std::string& shownPath, const SaveFileReading& reading,
                        const RuneTable& runes);

}  // namespace sockwright::savefile
