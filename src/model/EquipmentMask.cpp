#include "model/EquipmentMask.h"

#include <utility>

namespace sockwright {
namespace {

// Whole masks that have a name of their own; only an exact match selects one.
constexpr std::pair<EquipmentMask, const char*> kNamedMasks[] = {
    {0xC46007FF, "ANYTHING"},
    {0xC4000000, "HELM/ARMOUR/SHIELD"},
    {0x006007FF, "WEAPONS"},
    {0x00600000, "MISSILE WEAPONS"},
    {0x000007FF, "MELEE WEAPONS"},
    {0x00000008, "CLUBS/HAMMERS/MACES"},
    {0x00000209, "SWORDS/AXES/MACES"},
    {0x00000009, "AXES/HAMMERS"},
    {0x00000049, "AXES/SCEPTERS/HAMMERS"},
    {0x00000029, "AXES/POLEARMS/HAMMERS"},
};

}  // namespace

std::string equipmentText(EquipmentMask mask) {
    for (const auto& [namedMask, name] : kNamedMasks) {
        if (mask == namedMask) return name;
    }
    std::string text;
    for (const auto& type : kEquipmentTypes) {
        if (mask & type.bit) text += type.word;
    }
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace sockwright
