#pragma once

#include "model/EquipmentMask.h"
#include "model/RuneCountFilter.h"
#include "model/RuneLogic.h"
#include "model/RuneSet.h"

namespace sockwright {

// The four choices that decide which runewords a character is shown: the runes he owns, how they
// are compared with a runeword, how many runes a runeword may have and the equipment wanted. A new
// value holds what every new character starts with.
struct CharacterSelections {
    RuneCountFilter runeCountFilter = kAnyRuneCount;
    RuneLogic runeLogic = RuneLogic::Complete;
    RuneSet runes = RuneSet::all();
    EquipmentMask equipment = kAllEquipment;

    friend bool operator==(const CharacterSelections&, const CharacterSelections&) = default;
};

}  // namespace sockwright
