#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sockwright {

// The equipment types a runeword can be made in, or a character wants: one bit per type.
using EquipmentMask = std::uint32_t;

enum class EquipmentType {
    Axes,
    Claws,
    Daggers,
    Maces,
    Orbs,
    Polearms,
    Scepters,
    Spears,
    Staves,
    Swords,
    Wands,
    Bows,
    Crossbows,
    Shields,
    Helms,
    BodyArmour,
};

enum class EquipmentGroup { Defence, Melee, Ranged };

struct EquipmentTypeInfo {
    EquipmentType type;
    EquipmentMask bit;
    const char* word;       // as it appears in a runeword's equipment text, with its "/"
    const char* label;      // on the Select Equipment dialog
    const char* imageBase;  // base name of its picture files
};

struct EquipmentGroupInfo {
    EquipmentGroup group;
    EquipmentMask mask;
    const char* label;
    const char* imageBase;
};

inline constexpr EquipmentMask kAllEquipment = 0xC46007FF;
inline constexpr EquipmentMask kDefenceEquipment = 0xC4000000;
inline constexpr EquipmentMask kMeleeEquipment = 0x000007FF;
inline constexpr EquipmentMask kRangedEquipment = 0x00600000;

// In bit order; this is also the order of the equipment pictures.
inline constexpr std::array<EquipmentTypeInfo, 16> kEquipmentTypes{{
    {EquipmentType::Axes, 0x00000001, "AXES/", "AXES", "axe"},
    {EquipmentType::Claws, 0x00000002, "CLAWS/", "CLAWS", "claw"},
    {EquipmentType::Daggers, 0x00000004, "DAGGERS/", "DAGGERS", "dagger"},
    {EquipmentType::Maces, 0x00000008, "MACES/", "MACES", "mace"},
    {EquipmentType::Orbs, 0x00000010, "ORBS/", "ORBS", "orb"},
    {EquipmentType::Polearms, 0x00000020, "POLEARMS/", "POLEARMS", "polearm"},
    {EquipmentType::Scepters, 0x00000040, "SCEPTERS/", "SCEPTER", "scepter"},
    {EquipmentType::Spears, 0x00000080, "SPEARS/", "SPEARS", "spear"},
    {EquipmentType::Staves, 0x00000100, "STAVES/", "STAVES", "staff"},
    {EquipmentType::Swords, 0x00000200, "SWORDS/", "SWORDS", "sword"},
    {EquipmentType::Wands, 0x00000400, "WANDS/", "WANDS", "wand"},
    {EquipmentType::Bows, 0x00200000, "BOWS/", "BOWS", "bow"},
    {EquipmentType::Crossbows, 0x00400000, "CROSSBOWS/", "CROSSBOWS", "crossbow"},
    {EquipmentType::Shields, 0x04000000, "SHIELDS/", "SHIELDS", "shield"},
    {EquipmentType::Helms, 0x40000000, "HELMS/", "HELMS", "helm"},
    {EquipmentType::BodyArmour, 0x80000000, "ARMOUR/", "ARMOUR", "armour"},
}};

inline constexpr std::array<EquipmentGroupInfo, 3> kEquipmentGroups{{
    {EquipmentGroup::Defence, kDefenceEquipment, "DEFENCE", "defense"},
    {EquipmentGroup::Melee, kMeleeEquipment, "MELEE", "melee"},
    {EquipmentGroup::Ranged, kRangedEquipment, "RANGED", "range"},
}};

inline constexpr int kEquipmentImageCount = 19;

// Base names of the 19 equipment pictures: the sixteen types in bit order, then the groups.
constexpr std::array<const char*, kEquipmentImageCount> equipmentImageBaseNames() {
    std::array<const char*, kEquipmentImageCount> names{};
    for (std::size_t i = 0; i < kEquipmentTypes.size(); ++i)
        names[i] = kEquipmentTypes[i].imageBase;
    for (std::size_t i = 0; i < kEquipmentGroups.size(); ++i)
        names[kEquipmentTypes.size() + i] = kEquipmentGroups[i].imageBase;
    return names;
}

// The upper-case description shown in the runeword list's equipment column.
std::string equipmentText(EquipmentMask mask);

}  // namespace sockwright
