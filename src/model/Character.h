#pragma once

#include <cstdint>
#include <string>

#include "model/CharacterType.h"
#include "model/EquipmentMask.h"
#include "model/RuneCountFilter.h"
#include "model/RuneLogic.h"
#include "model/RuneSet.h"

namespace sockwright {

// One character slot of an account. A new record holds the default slot values.
struct Character {
    bool inUse = false;
    std::string name = "ENTER NAME";
    std::int32_t level = 99;
    std::int32_t characterClass = 0;
    std::int32_t characterType = kExpansionCharacter;
    RuneCountFilter runeCountFilter = kAnyRuneCount;
    RuneLogic runeLogic = RuneLogic::Complete;
    RuneSet runes = RuneSet::all();
    EquipmentMask equipment = kAllEquipment;

    // Gives the four selections the values every new character starts with.
    void fillNewCharacter() {
        runeCountFilter = kAnyRuneCount;
        runeLogic = RuneLogic::Complete;
        runes = RuneSet::all();
        equipment = kAllEquipment;
    }

    friend bool operator==(const Character&, const Character&) = default;
};

}  // namespace sockwright
