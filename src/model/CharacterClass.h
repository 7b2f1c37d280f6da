#pragma once

#include <array>
#include <cstdint>

namespace sockwright {

// Character classes by the index stored in a character; the order is fixed.
inline constexpr std::array<const char*, 7> kCharacterClassNames{
    "AMAZON", "ASSASSIN", "BARBARIAN", "DRUID", "NECROMANCER", "SORCERESS", "PALADIN"};

constexpr bool isCharacterClass(std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(kCharacterClassNames.size());
}

}  // namespace sockwright
