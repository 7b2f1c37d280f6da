#pragma once

#include <array>
#include <cstdint>

namespace sockwright::savefile {

// Which of the game's item tables an item code belongs to; it decides whether the item carries
// a defence value (armour) and durability (armour and weapons).
enum class ItemTable : std::uint8_t { Armor, Weapon, Misc };

// What the save format needs to know of one item code.
struct ItemKind {
    char code[4];
    ItemTable table;
    bool stackable;  // a 9-bit quantity is saved
    bool quest;  // its type is a quest item: 2 bits of quest difficulty and 1 bit follow the code
};

// The saved width of one item property: the bits after its 9-bit id (parameter and value, and
// for the leader of a group the followers saved without ids of their own), now and in files from
// before the game widened the resistances.
struct ItemStatWidth {
    std::uint16_t id;
    std::uint8_t bits;
    std::uint8_t oldBits;
};

// Sorted by code. Both tables are generated from the game's data (ItemTables.cpp).
extern const std::array<ItemKind, 692> kItemKinds;
extern const std::array<ItemStatWidth, 263> kItemStatWidths;

}  // namespace sockwright::savefile
