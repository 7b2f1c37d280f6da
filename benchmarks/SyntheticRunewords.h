#pragma once

#include <iterator>
#include <random>
#include <string>

#include "model/RunewordList.h"

namespace sockwright {

// A full runeword list: two to six runes each, drawn from all 33, in the equipment masks the
// shipped file uses most. Seeded, so every run measures the same list.
inline RunewordList syntheticRunewords() {
    constexpr EquipmentMask kMasks[] = {kAllEquipment,   kDefenceEquipment, 0x006007FF,
                                        kMeleeEquipment, 0x80000000,        0x04000000,
                                        0x40000000,      0x00000209,        0x00600000};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> runeCount(2, kMaxRunesPerRuneword);
    std::uniform_int_distribution<int> runeNumber(1, kRuneCount);
    std::uniform_int_distribution<std::size_t> mask(0, std::size(kMasks) - 1);

    RunewordList runewords(kMaxRunewords);
    for (std::size_t i = 0; i < runewords.size(); ++i) {
        Runeword& runeword = runewords[i];
        runeword.name = "Runeword " + std::to_string(i);
        runeword.equipmentMask = kMasks[mask(random)];
        runeword.runeCount = runeCount(random);
        for (int socket = 0; socket < runeword.runeCount; ++socket) {
            runeword.runes[socket] = runeNumber(random);
            runeword.runeSet.add(runeword.runes[socket]);
        }
    }
    return runewords;
}

}  // namespace sockwright
