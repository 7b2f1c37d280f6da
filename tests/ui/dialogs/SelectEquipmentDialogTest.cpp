#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "SelectionDialogChecks.h"
#include "support/FindControl.h"
#include "ui/WidgetInput.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// The nineteen buttons: bits, label and picture base name.
struct Button {
    const char* name;
    EquipmentMask bits;
    const char* label;
    std::string_view picture;
};
constexpr Button kButtons[] = {
    {"helms", 0x40000000, "HELMS", "helm"},
    {"armour", 0x80000000, "ARMOUR", "armour"},
    {"shields", 0x04000000, "SHIELDS", "shield"},
    {"axes", 0x1, "AXES", "axe"},
    {"claws", 0x2, "CLAWS", "claw"},
    {"daggers", 0x4, "DAGGERS", "dagger"},
    {"maces", 0x8, "MACES", "mace"},
    {"orbs", 0x10, "ORBS", "orb"},
    {"polearms", 0x20, "POLEARMS", "polearm"},
    {"scepters", 0x40, "SCEPTER", "scepter"},
    {"spears", 0x80, "SPEARS", "spear"},
    {"staves", 0x100, "STAVES", "staff"},
    {"swords", 0x200, "SWORDS", "sword"},
    {"wands", 0x400, "WANDS", "wand"},
    {"bows", 0x00200000, "BOWS", "bow"},
    {"crossbows", 0x00400000, "CROSSBOWS", "crossbow"},
    {"defence", 0xC4000000, "DEFENCE", "defense"},
    {"melee", 0x7FF, "MELEE", "melee"},
    {"ranged", 0x00600000, "RANGED", "range"},
};

class SelectEquipmentDialogTest : public ::testing::Test {
  protected:
    RuneToggleButton& button(const char* name) {
        return findControl<RuneToggleButton>(dialog, name);
    }
    LabelButton& label(const char* name) {
        return findControl<LabelButton>(dialog, QString(name) + "Label");
    }

    // Every button shows its own picture, lit and with a white label exactly when all its bits
    // are set.
    void expectShows(EquipmentMask mask) {
        const auto names = equipmentImageBaseNames();
        for (const Button& b : kButtons) {
            const bool all = (mask & b.bits) == b.bits;
            const auto picture = std::find(names.begin(), names.end(), b.picture) - names.begin();
            EXPECT_TRUE(samePicture(
                button(b.name).currentImage(),
                all ? images.equipment.highlighted[picture] : images.equipment.plain[picture]))
                << b.name;
            EXPECT_EQ(label(b.name).textColour(), all ? kWhite : kGrey) << b.name;
            EXPECT_EQ(label(b.name).text(), b.label);
        }
    }

    const SkinImages images = solidSkinImages();
    SelectEquipmentDialog dialog{images};
};

TEST_F(SelectEquipmentDialogTest, TypeClicksFlipOneBitAndGroupClicksSetOrClearTheGroup) {
    struct Case {
        EquipmentMask before;
        const char* click;
        EquipmentMask after;
    };
    const Case cases[] = {
        {kAllEquipment, "", kAllEquipment},  // a new character: everything lit
        {kAllEquipment, "melee", kAllEquipment & ~0x7FFu},
        {kAllEquipment & ~0x7FFu, "melee", kAllEquipment},
        {0xC4600001, "melee", kAllEquipment},  // only AXES among the melee types
        {kAllEquipment, "helms", 0x846007FF},  // HELMS and DEFENCE grey, nothing else
        {0x84000000, "helms", 0xC4000000},
        {0, "crossbows", 0x00400000},
        {kAllEquipment, "scepters", kAllEquipment & ~0x40u},
        {0x04000000, "defence", 0xC4000000},
        {kAllEquipment, "ranged", kAllEquipment & ~0x00600000u},
        {0x00000FFF, "melee", 0x00000800},  // a bit of no type is kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.click);
        dialog.setEquipment(c.before);
        if (*c.click) click(button(c.click));
        EXPECT_EQ(dialog.equipment(), c.after);
        expectShows(c.after);
    }
}

TEST_F(SelectEquipmentDialogTest, ButtonsStandInTheirRowsWithMeleeUnderDefence) {
    expectTidyLayout(dialog);
    const auto expectRow = [this](std::initializer_list<const char*> names) {
        const QRect first = button(*names.begin()).geometry();
        for (const char* name : names) {
            EXPECT_EQ(button(name).size(), QSize(42, 82)) << name;
            EXPECT_EQ(button(name).y(), first.y()) << name;
            EXPECT_GE(button(name).x(), first.x()) << name;
        }
        return first.y();
    };
    expectRow({"defence", "helms", "armour", "shields", "bows", "crossbows", "ranged"});
    const int middle = expectRow({"axes", "claws", "daggers", "maces", "orbs", "polearms"});
    const int bottom = expectRow({"scepters", "spears", "staves", "swords", "wands"});
    EXPECT_TRUE(button("melee").x() == button("defence").x() && button("melee").y() > middle &&
                button("melee").y() < bottom);
    EXPECT_GE(button("ranged").x(), button("polearms").x()) << "ranged stands at the far right";
    EXPECT_GT(dialog.okButton().x(), dialog.cancelButton()->geometry().right());
    EXPECT_GT(dialog.cancelButton()->y(), label("wands").geometry().bottom());
}

}  // namespace
}  // namespace sockwright
