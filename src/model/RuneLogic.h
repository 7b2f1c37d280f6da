#pragma once

#include <cstdint>

namespace sockwright {

// How a character's runes are compared with a runeword's. A settings file may hold any
// other value; such a value lists nothing.
enum class RuneLogic : std::int32_t {
    Any = 1,       // the runeword shares a selected rune
    All = 2,       // every selected rune occurs in the runeword
    Complete = 3,  // every rune of the runeword is selected
};

}  // namespace sockwright
