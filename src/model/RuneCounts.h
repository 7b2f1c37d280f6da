#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/RuneSet.h"

namespace sockwright {

inline constexpr int kMaxRunesOfAKind = 999;

// How many of each rune a character holds, for runes 1..33; every count stays within 0..999.
// A plain value, copied, never shared.
struct RuneCounts {
    std::array<std::uint16_t, kRuneCount> counts{};

    // What a character's rune bits alone say: one of each rune in the set.
    static constexpr RuneCounts oneOfEach(const RuneSet& runes) {
        RuneCounts result;
        for (int rune = 1; rune <= kRuneCount; ++rune) {
            result.set(rune, runes.contains(rune) ? 1 : 0);
        }
        return result;
    }

    // Rune numbers outside 1..33 hold nothing; setting them does nothing.
    constexpr int count(int rune) const { return isRuneNumber(rune) ? counts[rune - 1] : 0; }
    constexpr void set(int rune, int count) {
        if (isRuneNumber(rune)) {
            counts[rune - 1] = static_cast<std::uint16_t>(std::clamp(count, 0, kMaxRunesOfAKind));
        }
    }
    constexpr void add(int rune, int delta) { set(rune, count(rune) + delta); }

    // The runes held at least once.
    constexpr RuneSet owned() const {
        RuneSet result;
        for (int rune = 1; rune <= kRuneCount; ++rune) {
            if (count(rune) > 0) result.add(rune);
        }
        return result;
    }

    friend constexpr bool operator==(const RuneCounts&, const RuneCounts&) = default;
};

}  // namespace sockwright
