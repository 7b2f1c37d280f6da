#include "model/EquipmentMask.h"

#include <gtest/gtest.h>

namespace sockwright {

TEST(EquipmentMaskTest, NamedMasksNeedTheWholeMask) {
    EXPECT_EQ(equipmentText(0x006007FF), "WEAPONS");
    EXPECT_EQ(equipmentText(0xC46007FF), "ANYTHING");
    EXPECT_EQ(equipmentText(0x00000029), "AXES/POLEARMS/HAMMERS");
    EXPECT_EQ(equipmentText(0x0000000C), "DAGGERS/MACES");
}

TEST(EquipmentMaskTest, OtherMasksListTheirTypesInBitOrder) {
    EXPECT_EQ(equipmentText(0x00600001), "AXES/BOWS/CROSSBOWS");
    EXPECT_EQ(equipmentText(0x04000200), "SWORDS/SHIELDS");
    EXPECT_EQ(equipmentText(0x80000000), "ARMOUR");
    EXPECT_EQ(equipmentText(0x000007EF), "AXES/CLAWS/DAGGERS/MACES/POLEARMS/SCEPTERS/SPEARS/STAVES/SWORDS/WANDS");
}

TEST(EquipmentMaskTest, BitsWithoutATypeGiveNoText) {
    EXPECT_EQ(equipmentText(0), "");
    EXPECT_EQ(equipmentText(0x3B9FF800), "");
}

TEST(EquipmentMaskTest, ImageBaseNamesAreTypesThenGroups) {
    constexpr auto names = equipmentImageBaseNames();
    EXPECT_STREQ(names[0], "axe");
    EXPECT_STREQ(names[15], "armour");
    EXPECT_STREQ(names[16], "defense");
    EXPECT_STREQ(names[18], "range");
}

}  // namespace sockwright
