#include "savefile/ItemDecoder.h"

#include <array>
#include <string>

#include "savefile/ItemCodes.h"
#include "savefile/SaveFileError.h"

namespace sockwright::savefile {
namespace {

constexpr int kLatestEditionVersion = 105;  // the format that added stack counts
constexpr std::uint32_t kEndOfProperties = 0x1FF;

// Bits of the 32 item flags.
constexpr std::uint32_t kSocketedFlag = 1u << 11;
constexpr std::uint32_t kEarFlag = 1u << 16;
constexpr std::uint32_t kSimpleFlag = 1u << 21;
constexpr std::uint32_t kPersonalizedFlag = 1u << 24;
constexpr std::uint32_t kRunewordFlag = 1u << 26;
constexpr std::uint32_t kChronicleFlag = 1u << 28;

// Item locations and storage panels.
constexpr int kStored = 0;
constexpr int kInSocket = 6;
constexpr int kInventoryPanel = 1;
constexpr int kCubePanel = 4;
constexpr int kStashPanel = 5;

enum Quality { Inferior = 1, Normal, Superior, Magic, Set, Rare, Unique, Crafted };

// Name characters, the closing 0 included.
constexpr int kLongestName = 16;

// The bits after each property id; 0 for an id that is never saved.
struct PropertyWidths {
    std::array<std::uint8_t, 512> current{};
    std::array<std::uint8_t, 512> beforeWiderResistances{};
};

const PropertyWidths& propertyWidths() {
    static const PropertyWidths widths = [] {
        PropertyWidths result;
        for (const ItemStatWidth& stat : kItemStatWidths) {
            result.current[stat.id] = stat.bits;
            result.beforeWiderResistances[stat.id] = stat.oldBits;
        }
        return result;
    }();
    return widths;
}

std::string atByte(std::size_t bitPosition) {
    return " at byte " + std::to_string(bitPosition / 8);
}

// A name of characters of the given width ending with a 0 character.
void skipName(BitReader& reader, int characterBits) {
    for (int length = 1;; ++length) {
        if (reader.read(characterBits) == 0) return;
        if (length == kLongestName) {
            throw SaveFileError("a name longer than 15 letters" + atByte(reader.bitPosition()));
        }
    }
}

}  // namespace

void ItemDecoder::readList(BitReader& reader, ItemArea area) {
    reader.expectMarker("JM");
    const std::uint32_t count = reader.readBytes(2);
    for (std::uint32_t i = 0; i < count; ++i) readItem(reader, area);
}

void ItemDecoder::readItem(BitReader& reader, ItemArea area) {
    readItem(reader, area, false);
}

void ItemDecoder::readItem(BitReader& reader, ItemArea area, bool inSocket) {
    const std::size_t start = reader.bitPosition();
    const std::uint32_t flags = reader.read(32);
    reader.skip(3);  // the item's format version
    const int location = static_cast<int>(reader.read(3));
    reader.skip(4 + 4 + 4);  // equipped slot, column, row
    const int panel = static_cast<int>(reader.read(3));
    if ((location == kInSocket) != inSocket) {
        throw SaveFileError(std::string(inSocket ? "a socketed item out of its socket"
                                                 : "a socketed item without an item around it") +
                            atByte(start));
    }

    if (flags & kEarFlag) {
        reader.skip(3 + 7);  // the former owner's class and level
        skipName(reader, 7);
        reader.align();
        return;
    }

    const std::string code = readItemCode(reader);
    const ItemKind* kind = findItemKind(code);
    if (!kind) throw SaveFileError("an unknown item code \"" + code + "\"" + atByte(start));
    const bool latest = version_ >= kLatestEditionVersion;

    int children = 0;
    if (kind->quest) {
        reader.skip(2 + 1);  // quest difficulty and one bit
    } else if (flags & kSimpleFlag) {
        reader.skip(1);
    } else {
        children = static_cast<int>(reader.read(3));
        if (inSocket && children > 0) {
            // Sockets never nest; taking them as nested would let a file recurse without end.
            throw SaveFileError("an item in a socket with sockets of its own" + atByte(start));
        }
    }

    int stackCount = -1;
    if (flags & kSimpleFlag) {
        if (latest && reader.read(1)) stackCount = static_cast<int>(reader.read(8));
        reader.align();
        if (const int rune = runeNumberOfCode(code)) {
            const int quantity = area == ItemArea::MaterialsTab && stackCount >= 0 ? stackCount : 1;
            if (inSocket) {
                summary_.socketed.add(rune, quantity);
            } else {
                countRune(rune, quantity, area, location, panel);
            }
        }
        return;
    }

    reader.skip(32 + 7);  // unique id, item level
    const int quality = static_cast<int>(reader.read(4));
    if (reader.read(1)) reader.skip(3);   // picture
    if (reader.read(1)) reader.skip(11);  // class-specific automatic affix
    switch (quality) {
        case Inferior:
        case Superior:
            reader.skip(3);
            break;
        case Normal:
            break;
        case Magic:
            reader.skip(11 + 11);
            break;
        case Set:
        case Unique:
            reader.skip(12);
            break;
        case Rare:
        case Crafted:
            reader.skip(8 + 8);
            for (int affix = 0; affix < 6; ++affix) {
                if (reader.read(1)) reader.skip(11);
            }
            break;
        default:
            throw SaveFileError("an item of unknown quality " + std::to_string(quality) +
                                atByte(start));
    }
    if (flags & kRunewordFlag) reader.skip(16);
    if (flags & kPersonalizedFlag) skipName(reader, version_ <= 97 ? 7 : 8);
    if (code == "tbk" || code == "ibk") reader.skip(5);
    if (reader.read(1)) {
        // Realm data, whose length no description of the format agrees on.
        throw SaveFileError("an item with realm data" + atByte(start));
    }
    if (kind->table == ItemTable::Armor) reader.skip(11);                      // defence
    if (kind->table != ItemTable::Misc && reader.read(8) > 0) reader.skip(9);  // durability
    if (latest) reader.skip(1);  // whether a quantity follows; the table says so too
    if (kind->stackable) reader.skip(9);
    if (flags & kSocketedFlag) reader.skip(4);
    const std::uint32_t setLists = quality == Set ? reader.read(5) : 0;
    skipProperties(reader);
    for (std::uint32_t list = setLists; list != 0; list &= list - 1) skipProperties(reader);
    if (flags & kRunewordFlag) skipProperties(reader);
    if (latest) {
        // Where and when a set or unique item was found, kept until it is first moved.
        if (flags & kChronicleFlag) reader.skip(50);
        if (reader.read(1)) reader.skip(8);  // stack count
    }
    reader.align();
    for (int child = 0; child < children; ++child) readItem(reader, area, true);
}

void ItemDecoder::skipProperties(BitReader& reader) const {
    const auto& widths =
        version_ <= 98 ? propertyWidths().beforeWiderResistances : propertyWidths().current;
    for (;;) {
        const std::size_t at = reader.bitPosition();
        const std::uint32_t id = reader.read(9);
        if (id == kEndOfProperties) return;
        if (widths[id] == 0) {
            throw SaveFileError("an unknown item property " + std::to_string(id) + atByte(at));
        }
        reader.skip(widths[id]);
    }
}

void ItemDecoder::countRune(int rune, int quantity, ItemArea area, int location, int panel) {
    RuneLocation place = RuneLocation::Elsewhere;
    if (area == ItemArea::StashTab || area == ItemArea::MaterialsTab) {
        place = RuneLocation::SharedStash;
    } else if (area == ItemArea::Character && location == kStored) {
        if (panel == kInventoryPanel) place = RuneLocation::Inventory;
        if (panel == kCubePanel) place = RuneLocation::HoradricCube;
        if (panel == kStashPanel) place = RuneLocation::PersonalStash;
    }
    summary_.looseAt(place).add(rune, quantity);
}

}  // namespace sockwright::savefile
