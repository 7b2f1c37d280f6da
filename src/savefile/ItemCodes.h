#pragma once

#include <array>
#include <string>
#include <string_view>

#include "savefile/BitReader.h"
#include "savefile/ItemTables.h"

namespace sockwright::savefile {

// One letter of an item code and its prefix code, as the bits are read ('0' and '1').
struct ItemCodeSymbol {
    char symbol;  // 0 for the one code the game leaves unused
    const char* bits;
};

// The prefix code the remastered game packs item codes with.
extern const std::array<ItemCodeSymbol, 38> kItemCodeSymbols;

// Reads the four packed letters of an item code and returns the code without its trailing space.
// An unused symbol or a code without the trailing space throws SaveFileError.
std::string readItemCode(BitReader& reader);

// The item code's entry in the game's tables, or null for a code the game does not have.
const ItemKind* findItemKind(std::string_view code);

// The rune number 1..33 of a rune's item code (r01..r33), or 0 for any other code.
int runeNumberOfCode(std::string_view code);

}  // namespace sockwright::savefile
