#pragma once

#include <string_view>

#include "model/VersionTriple.h"

namespace sockwright {

// Reads "major.minor.build" from the start of a version file's body the way "%d.%d.%d" is
// scanned: blanks before each number are skipped, a sign is allowed, and reading stops at the
// first character that does not fit. The numbers read replace those of `start` in order; the
// others keep their values. A number too large for 32 bits is taken as the nearest that fits.
VersionTriple readVersionText(std::string_view text, VersionTriple start);

// Versions are compared number by number, major first, as signed numbers.
constexpr bool isNewer(const VersionTriple& candidate, const VersionTriple& current) {
    return candidate > current;
}

}  // namespace sockwright
