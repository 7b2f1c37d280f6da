#include <gtest/gtest.h>

#include "model/EquipmentMask.h"

namespace sockwright {

// Only a whole named mask gives its name; other masks list their types in bit order.
TEST(EquipmentMaskTest, TextNamesTheMaskOrListsItsTypes) {
    const std::pair<EquipmentMask, const char*> rows[] = {
        {0x006007FF, "WEAPONS"},
        {0x00000029, "AXES/POLEARMS/HAMMERS"},
        {0x0000000C, "DAGGERS/MACES"},
        {0x04000200, "SWORDS/SHIELDS"},
        {0x000007EF, "AXES/CLAWS/DAGGERS/MACES/POLEARMS/SCEPTERS/SPEARS/STAVES/SWORDS/WANDS"},
        {0x00000000, ""},
        {0x3B9FF800, ""},  // bits without a type
    };
    for (const auto& [mask, text] : rows) EXPECT_EQ(equipmentText(mask), text) << std::hex << mask;
}

}  // namespace sockwright
