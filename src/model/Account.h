#pragma once

#include <array>
#include <string>

#include "model/Character.h"

namespace sockwright {

inline constexpr int kCharacterSlots = 8;

// A game account with its eight character slots. The slots in use form a prefix.
struct Account {
    std::string name;
    std::string realm;
    std::array<Character, kCharacterSlots> characters{};

    int charactersInUse() const {
        int count = 0;
        while (count < kCharacterSlots && characters[count].inUse) ++count;
        return count;
    }
    bool isFull() const { return characters[kCharacterSlots - 1].inUse; }
    bool holdsSeveralCharacters() const { return characters[1].inUse; }
};

}  // namespace sockwright
