#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/EquipmentMask.h"
#include "model/RuneCountFilter.h"
#include "model/RuneSet.h"

namespace sockwright {

struct Runeword {
    std::string name;
    std::string equipmentText;
    // How many numbers the runes line held: 1..6 in a sound file, 0 when the line did not
    // start with a number, -1 when it was empty.
    std::int32_t runeCount = 0;
    std::array<std::int32_t, kMaxRunesPerRuneword> runes{};
    std::int32_t requiredLevel = 1;
    RuneSet runeSet;
    EquipmentMask equipmentMask = 0;
    std::string properties;  // each property line followed by "\n"
};

}  // namespace sockwright
