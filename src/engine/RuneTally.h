#pragma once

#include <algorithm>
#include <array>

#include "model/RuneCounts.h"
#include "model/RuneSet.h"
#include "model/Runeword.h"

namespace sockwright {

// How many of each rune something needs, by rune number 1..33. Unlike RuneCounts it has no
// ceiling, so the needs of many goals add up exactly. A plain value.
struct RuneTally {
    std::array<int, kRuneCount + 1> counts{};  // [0] is unused

    // The runes in a runeword's sockets: Bone (Sol Um Um) needs one Sol and two Um. Numbers
    // outside 1..33 are no rune and need nothing.
    static RuneTally of(const Runeword& runeword) {
        RuneTally tally;
        const int sockets = std::min<int>(runeword.runeCount, kMaxRunesPerRuneword);
        for (int socket = 0; socket < sockets; ++socket) tally.add(runeword.runes[socket], 1);
        return tally;
    }

    int count(int rune) const { return isRuneNumber(rune) ? counts[rune] : 0; }
    void add(int rune, int amount) {
        if (isRuneNumber(rune)) counts[rune] += amount;
    }
    void add(const RuneTally& other) {
        for (int rune = 1; rune <= kRuneCount; ++rune) counts[rune] += other.counts[rune];
    }

    friend bool operator==(const RuneTally&, const RuneTally&) = default;
};

// The copies of each needed rune that the held runes do not cover.
inline RuneTally lackingRunes(const RuneTally& needed, const RuneCounts& held) {
    RuneTally lacking;
    for (int rune = 1; rune <= kRuneCount; ++rune)
        lacking.counts[rune] = std::max(0, needed.counts[rune] - held.count(rune));
    return lacking;
}

// The held runes left over once the needed ones are set aside: what the cube may use up.
inline RuneTally spareRunes(const RuneCounts& held, const RuneTally& needed) {
    RuneTally spare;
    for (int rune = 1; rune <= kRuneCount; ++rune)
        spare.counts[rune] = std::max(0, held.count(rune) - needed.counts[rune]);
    return spare;
}

}  // namespace sockwright
