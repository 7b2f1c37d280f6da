#pragma once

#include <cstdint>

namespace sockwright {

// A version as major.minor.build.
struct VersionTriple {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t build = 0;

    // NOLINTNEXTLINE(modernize-use-nullptr): the tool mistakes the defaulted comparison's 0
    friend constexpr auto operator<=>(const VersionTriple&, const VersionTriple&) = default;
};

// The version of the runeword data, read from the runeword file's first line.
using RuneDataVersion = VersionTriple;
// The program's version as the settings file records it.
using ProgramVersion = VersionTriple;

}  // namespace sockwright
