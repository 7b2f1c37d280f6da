#pragma once

#include <array>
#include <string>

#include "model/Character.h"

namespace sockwright {

inline constexpr int kCharacterSlots = 8;

// What an account or character is called in place of an empty name, and an account's realm in
// place of an empty one, so that no name or realm is ever an empty text.
inline constexpr const char* kNoName = "NoName";
inline constexpr const char* kNoRealm = "NoRealm";

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
