#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CharacterSelections.h"
#include "model/CharacterType.h"
#include "model/RuneCounts.h"

namespace sockwright {

// One character slot of an account: who he is, his selections, how many of each rune he holds and
// the runewords he aims at. A new record holds the default slot values. The counts agree with the
// rune bits of the selections: a rune's bit is set exactly when its count is at least one
// (CharacterRunes keeps them so).
struct Character : CharacterSelections {
    bool inUse = false;
    std::string name = "ENTER NAME";
    std::int32_t level = 99;
    std::int32_t characterClass = 0;
    std::int32_t characterType = kExpansionCharacter;
    RuneCounts runeCounts = RuneCounts::oneOfEach(RuneSet::all());
    // Runeword names in the order they were pinned, each once.
    std::vector<std::string> goals;

    const CharacterSelections& selections() const { return *this; }
    // Gives the four selections the values every new character starts with, counts that agree
    // with them and no goals.
    void fillNewCharacter() {
        static_cast<CharacterSelections&>(*this) = CharacterSelections{};
        runeCounts = RuneCounts::oneOfEach(runes);
        goals.clear();
    }

    friend bool operator==(const Character&, const Character&) = default;
};

}  // namespace sockwright
