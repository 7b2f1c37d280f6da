#pragma once

#include <QPixmap>
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "model/CharacterClass.h"
#include "model/EquipmentMask.h"
#include "model/RuneSet.h"

namespace sockwright {

// The picture tables loaded at start-up. A null QPixmap is an empty entry.

struct RuneImages {
    std::array<QPixmap, kRuneCount> plain, highlighted;  // index = rune number - 1

    // nullptr when the number is outside 1..33 or the entry is empty.
    const QPixmap* plainOf(int runeNumber) const;
    const QPixmap* highlightedOf(int runeNumber) const;
};

struct BlankImages {
    QPixmap plain, highlighted;
};

// In the order of equipmentImageBaseNames().
struct EquipmentImages {
    std::array<QPixmap, kEquipmentImageCount> plain, highlighted;
};

struct ClassImages {
    std::array<QPixmap, kCharacterClassNames.size()> images;

    // nullptr when the class is outside the table or its entry is empty.
    const QPixmap* of(int characterClass) const;
};

struct SkinImages;

// A picture whose file start-up has checked (checkSkinImages) but not yet decoded.
struct PendingPicture {
    QPixmap& (*entry)(SkinImages&, std::size_t);  // the table entry it goes to
    std::size_t index;
    std::filesystem::path file;
    std::string message;  // shown should the decoding fail after all
};

struct SkinImages {
    RuneImages runes;
    BlankImages blanks;
    EquipmentImages equipment;
    ClassImages classes;
    // In loading order; empty once decodeSkinImages has run.
    std::vector<PendingPicture> pending;
};

}  // namespace sockwright
