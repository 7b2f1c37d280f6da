#pragma once

#include <cstdint>
#include <string>

namespace sockwright {

// One rune as the rune file describes it. A "," inside a bonus text separates its lines.
struct Rune {
    std::int32_t number = 0;
    std::int32_t level = 1;
    std::string name = "?";
    std::string weaponsText = "?";
    std::string armourText = "?";
    std::string shieldsText = "?";
};

}  // namespace sockwright
