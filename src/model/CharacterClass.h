#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sockwright {

// Character classes by the index stored in a character; the order is fixed. The Warlock came
// with the game's latest expansion: a program that knows seven classes reads 7 as an Amazon.
inline constexpr std::array<const char*, 8> kCharacterClassNames{
    "AMAZON", "ASSASSIN", "BARBARIAN", "DRUID", "NECROMANCER", "SORCERESS", "PALADIN", "WARLOCK"};

constexpr bool isCharacterClass(std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(kCharacterClassNames.size());
}

// The class's name; "?" for an index outside the table.
constexpr const char* characterClassName(std::int32_t index) {
    return isCharacterClass(index) ? kCharacterClassNames[static_cast<std::size_t>(index)] : "?";
}

}  // namespace sockwright
