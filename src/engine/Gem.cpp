#include "engine/Gem.h"

#include <array>

namespace sockwright {

std::string gemName(const Gem& gem) {
    static constexpr std::array<const char*, 6> kKinds{"Topaz", "Amethyst", "Sapphire",
                                                       "Ruby",  "Emerald",  "Diamond"};
    static constexpr std::array<const char*, 5> kGrades{"Chipped ", "Flawed ", "", "Flawless ",
                                                        "Perfect "};
    return std::string(kGrades.at(static_cast<std::size_t>(gem.grade))) +
           kKinds.at(static_cast<std::size_t>(gem.kind));
}

}  // namespace sockwright
