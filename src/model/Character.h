#pragma once

#include <cstdint>
#include <string>

#include "model/CharacterSelections.h"
#include "model/CharacterType.h"

namespace sockwright {

// One character slot of an account: who he is, and his selections. A new record holds the
// default slot values.
struct Character : CharacterSelections {
    bool inUse = false;
    std::string name = "ENTER NAME";
    std::int32_t level = 99;
    std::int32_t characterClass = 0;
    std::int32_t characterType = kExpansionCharacter;

    const CharacterSelections& selections() const { return *this; }
    // Gives the four selections the values every new character starts with.
    void fillNewCharacter() { static_cast<CharacterSelections&>(*this) = CharacterSelections{}; }

    friend bool operator==(const Character&, const Character&) = default;
};

}  // namespace sockwright
