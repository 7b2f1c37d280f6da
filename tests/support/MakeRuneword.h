#pragma once

#include <string>
#include <vector>

#include "model/Runeword.h"

namespace sockwright::testing {

// A runeword of these runes in its sockets (none: an empty runes line) for the given equipment.
inline Runeword makeRuneword(const std::string& name, const std::vector<int>& runes,
                             EquipmentMask equipment = kAllEquipment) {
    Runeword runeword;
    runeword.name = name;
    runeword.equipmentMask = equipment;
    runeword.runeCount = runes.empty() ? -1 : static_cast<std::int32_t>(runes.size());
    for (std::size_t socket = 0; socket < runes.size(); ++socket) {
        runeword.runes[socket] = runes[socket];
        runeword.runeSet.add(runes[socket]);
    }
    return runeword;
}

}  // namespace sockwright::testing
