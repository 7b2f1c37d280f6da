#include <gtest/gtest.h>

#include <stdexcept>

#include "SelectionDialogChecks.h"
#include "ui/WidgetInput.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

class SelectEquipmentDialogTest : public ::testing::Test {
  protected:
    RuneToggleButton& labelled(const QString& text) {
        for (RuneToggleButton* button : dialog.findChildren<RuneToggleButton*>())
            if (button->label() != nullptr && button->label()->text() == text) return *button;
        throw std::runtime_error("no button labelled " + text.toStdString());
    }
    // The texts of the grey labels, sorted.
    QStringList greyLabels() {
        QStringList grey;
        for (const LabelButton* label : dialog.findChildren<LabelButton*>())
            if (label->textColour() == kGrey) grey << label->text();
        grey.sort();
        return grey;
    }

    const SkinImages images = solidSkinImages();
    SelectEquipmentDialog dialog{images};
};

// The button under each label sets its bits and shows its picture (types' first, then groups').
TEST_F(SelectEquipmentDialogTest, EachButtonSetsItsOwnBitsAndShowsItsOwnPicture) {
    std::vector<std::pair<const char*, EquipmentMask>> entries;
    for (const EquipmentTypeInfo& type : kEquipmentTypes)
        entries.emplace_back(type.label, type.bit);
    for (const EquipmentGroupInfo& group : kEquipmentGroups)
        entries.emplace_back(group.label, group.mask);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].first);
        RuneToggleButton& button = labelled(entries[i].first);
        dialog.setEquipment(0);
        click(button);
        EXPECT_EQ(dialog.equipment(), entries[i].second);
        EXPECT_TRUE(samePicture(button.currentImage(), images.equipment.highlighted[i]));
    }
}

TEST_F(SelectEquipmentDialogTest, TypesFlipTheirBitAndGroupsSetOrClearTheirs) {
    const std::tuple<EquipmentMask, const char*, EquipmentMask, const char*> cases[] = {
        {kAllEquipment, "", kAllEquipment, ""},  // a new character: everything lit
        {kAllEquipment, "MELEE", kAllEquipment & ~0x7FFu,
         "AXES CLAWS DAGGERS MACES MELEE ORBS POLEARMS SCEPTER SPEARS STAVES SWORDS WANDS"},
        {0xC4600001, "MELEE", kAllEquipment, ""},  // only AXES among the melee types
        // A bit of no type is kept.
        {kAllEquipment | 0x800, "HELMS", 0x846007FF | 0x800, "DEFENCE HELMS"},
    };
    for (const auto& [before, label, after, grey] : cases) {
        SCOPED_TRACE(label);
        dialog.setEquipment(before);
        if (*label) click(labelled(label));
        EXPECT_EQ(dialog.equipment(), after);
        EXPECT_EQ(greyLabels(), QString(grey).split(' ', Qt::SkipEmptyParts));
    }
}

TEST_F(SelectEquipmentDialogTest, LayoutKeepsEveryControlApartAndEveryTextWhole) {
    expectTidyLayout(dialog);
}

}  // namespace
}  // namespace sockwright
