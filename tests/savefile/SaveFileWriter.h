#pragma once

// Builds character and shared stash files from item descriptions, for the reader's tests, its
// fuzz seeds and its benchmark. It knows only what those need: a few item codes and the
// property widths its callers give.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sockwright::testing {

// One property: its id, the bits after the id and the value written in them.
struct TestProperty {
    int id = 0;
    int bits = 0;
    std::uint32_t value = 0;
};

struct TestItem {
    std::string code;  // "r01".."r33"; "cap" and "buc" are armour, "lsd" a weapon; others misc
    int location = 0;  // 0 stored, 1 equipped, 4 cursor (socketed items get 6)
    int panel = 1;     // 1 inventory, 4 Horadric Cube, 5 stash
    bool simple = true;
    int quality = 2;  // extended items: 2 normal, 3 superior, 4 magic, 5 set, 6 rare, 7 unique
    bool ethereal = false;
    bool runeword = false;
    std::string personalName;
    int setLists = 0;                      // set items: which of the five extra lists follow
    std::vector<TestProperty> properties;  // written in every list the item has
    std::vector<TestItem> sockets;
    int stackCount = -1;  // format 105: written when 0 or more
};

struct TestCharacter {
    int version = 99;
    std::string name = "Runa";
    int gameClass = 3;
    int level = 42;
    bool hardcore = false;
    bool expansion = true;
    bool latestEdition = false;  // format 105: the edition marker of the newest characters
    std::vector<TestItem> items;
    std::vector<std::vector<TestItem>> corpses;
    std::vector<TestItem> mercenary;  // a mercenary is hired when this is not empty
    std::optional<TestItem> golem;
};

struct TestStashSection {
    int kind = 0;  // 0 grid tab, 1 materials tab, 2 chronicle
    std::vector<TestItem> items;
};

// A loose rune (r01..r33) in a storage panel, and an extended item of some quality.
TestItem runeItem(int number, int panel = 1);
TestItem extendedItem(const char* code, int quality, std::vector<TestProperty> properties = {});

// One item and its socketed children, as the given format version saves them.
std::string itemBytes(const TestItem& item, int version);
std::string characterFile(const TestCharacter& character);
std::string stashFile(int version, const std::vector<TestStashSection>& sections);
// The file with its length and checksum fields set to match its bytes.
void sealCharacterFile(std::string& bytes);
// Writes a little-endian 32-bit number at the offset.
void put32(std::string& bytes, std::size_t offset, std::uint32_t value);

}  // namespace sockwright::testing
