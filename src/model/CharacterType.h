#pragma once

#include <array>
#include <cstdint>

namespace sockwright {

inline constexpr std::int32_t kClassicCharacter = 0;
inline constexpr std::int32_t kExpansionCharacter = 1;
inline constexpr std::int32_t kHardcoreCharacter = 2;

// Character types by the index stored in a character.
inline constexpr std::array<const char*, 3> kCharacterTypeNames{"CLASSIC", "EXPANSION", "HARDCORE"};

constexpr bool isCharacterType(std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(kCharacterTypeNames.size());
}

}  // namespace sockwright
