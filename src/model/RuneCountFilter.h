#pragma once

#include <cstdint>

namespace sockwright {

// How many runes a listed runeword must have: 1..6, or kAnyRuneCount for any number.
using RuneCountFilter = std::int32_t;

inline constexpr RuneCountFilter kAnyRuneCount = 7;
inline constexpr int kMaxRunesPerRuneword = 6;

constexpr bool isRuneCountFilter(RuneCountFilter filter) {
    return filter >= 1 && filter <= kAnyRuneCount;
}

}  // namespace sockwright
