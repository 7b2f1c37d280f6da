#pragma once

#include <array>
#include <cstdint>

namespace sockwright {

inline constexpr int kRuneCount = 33;
inline constexpr int kRuneRowCount = 3;
inline constexpr int kRunesPerRow = 11;
inline constexpr std::uint32_t kWholeRuneRow = 0x7FF;

constexpr bool isRuneNumber(int number) {
    return number >= 1 && number <= kRuneCount;
}

// Row 0 holds runes 1..11, row 1 runes 12..22, row 2 runes 23..33.
constexpr int runeRow(int number) {
    return (number - 1) / kRunesPerRow;
}
constexpr std::uint32_t runeBit(int number) {
    return 1u << ((number - 1) % kRunesPerRow);
}

// A set of runes: one 11-bit mask per rune row. A plain value, copied, never shared.
struct RuneSet {
    std::array<std::uint32_t, kRuneRowCount> rows{};

    static constexpr RuneSet all() {
        return RuneSet{{kWholeRuneRow, kWholeRuneRow, kWholeRuneRow}};
    }

    // Rune numbers outside 1..33 are never in a set; adding or removing them does nothing.
    constexpr bool contains(int number) const {
        return isRuneNumber(number) && (rows[runeRow(number)] & runeBit(number)) != 0;
    }
    constexpr void add(int number) {
        if (isRuneNumber(number)) rows[runeRow(number)] |= runeBit(number);
    }
    constexpr void remove(int number) {
        if (isRuneNumber(number)) rows[runeRow(number)] &= ~runeBit(number);
    }
    constexpr void unite(const RuneSet& other) {
        for (int row = 0; row < kRuneRowCount; ++row) rows[row] |= other.rows[row];
    }
    constexpr bool empty() const { return (rows[0] | rows[1] | rows[2]) == 0; }

    friend constexpr bool operator==(const RuneSet&, const RuneSet&) = default;
};

}  // namespace sockwright
