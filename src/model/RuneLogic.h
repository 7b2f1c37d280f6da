#pragma once

#include <cstdint>

namespace sockwright {

// How a character's runes are compared with a runeword's. The settings reader turns any other
// value into Complete; should one reach the filter all the same, it lists nothing.
enum class RuneLogic : std::int32_t {
    Any = 1,       // the runeword shares a selected rune
    All = 2,       // every selected rune occurs in the runeword
    Complete = 3,  // every rune of the runeword is selected
};

constexpr bool isRuneLogic(RuneLogic logic) {
    return logic >= RuneLogic::Any && logic <= RuneLogic::Complete;
}

}  // namespace sockwright
