// The dialogs of the skinned selection frame: Select Runes, Select Equipment and Rune Details.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>
#include <stdexcept>

#include "support/FindControl.h"
#include "ui/dialogs/DialogChecks.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// The very picture object expected, so that a button showing another's picture is caught.
bool samePicture(const QPixmap& shown, const QPixmap& expected) {
    return !expected.isNull() && shown.cacheKey() == expected.cacheKey();
}

template <typename Control = RuneToggleButton>
Control& find(const QDialog& dialog, const QString& name, int n = -1) {
    return findControl<Control>(dialog, n < 0 ? name : name + QString::number(n));
}

class SelectRunesDialogTest : public ::testing::Test {
  protected:
    // The logic and count choices drawn white, in their order on screen.
    QStringList litChoices() {
        QStringList lit;
        for (const LabelButton* choice :
             dialog.findChildren<LabelButton*>(QRegularExpression("^(logic|count)(?!Heading)")))
            if (choice->textColour() == kWhite) lit << choice->objectName();
        return lit;
    }

    // Each rune shows its own picture, lit with a white name exactly when owned; each row button
    // its blank, lit exactly when the whole row is owned, under a name that stays white.
    void expectShows(const RuneSet& runes) {
        const auto expectLit = [&](const char* name, int n, const QPixmap& picture, QColor text) {
            EXPECT_TRUE(samePicture(find(dialog, name, n).currentImage(), picture) &&
                        find<LabelButton>(dialog, name + QString("Label"), n).textColour() == text)
                << name << n;
        };
        for (int n = 1; n <= kRuneCount; ++n) {
            const bool owned = runes.contains(n);
            const auto& pictures = owned ? images.runes.highlighted : images.runes.plain;
            expectLit("rune", n, pictures[n - 1], owned ? kWhite : kGrey);
        }
        for (int row = 0; row < kRuneRowCount; ++row) {
            const bool whole = runes.rows[row] == kWholeRuneRow;
            expectLit("row", row, whole ? images.blanks.highlighted : images.blanks.plain, kWhite);
        }
    }

    const RuneTable table = shippedRunes();
    const SkinImages images = solidSkinImages();
    SelectRunesDialog dialog{table, images};
};

// From a new character's values: a row button sets or clears its whole row, a rune flips its own
// bit, a choice lights itself. A value out of range (from an edited settings file) lights no
// choice.
TEST_F(SelectRunesDialogTest, ClicksChangeOnlyTheirOwnBitsOrChoice) {
    dialog.setSelection(RuneSet::all(), kAnyRuneCount, RuneLogic::Complete);
    EXPECT_EQ(find<LabelButton>(dialog, "runeLabel1").text(), "El");
    const std::tuple<const char*, RuneSet, const char*> steps[] = {
        {"", RuneSet::all(), "logicComplete countAny"},
        {"row0", {{0, 0x7FF, 0x7FF}}, "logicComplete countAny"},
        {"rune12", {{0, 0x7FE, 0x7FF}}, "logicComplete countAny"},
        {"row1", {{0, 0x7FF, 0x7FF}}, "logicComplete countAny"},
        {"count3", {{0, 0x7FF, 0x7FF}}, "logicComplete count3"},
        {"logicAll", {{0, 0x7FF, 0x7FF}}, "logicAll count3"},
    };
    for (const auto& [control, runes, lit] : steps) {
        SCOPED_TRACE(control);
        if (*control) QTest::mouseClick(&find<QWidget>(dialog, control), Qt::LeftButton);
        EXPECT_EQ(dialog.runes(), runes);
        expectShows(runes);
        EXPECT_EQ(litChoices(), QString(lit).split(' '));
    }
    EXPECT_EQ(std::pair(dialog.runeCountFilter(), dialog.runeLogic()),
              std::pair(3, RuneLogic::All));
    for (const auto& [count, logic] : {std::pair{0, 0}, {8, 4}, {-1, -7}}) {
        dialog.setSelection(RuneSet{}, count, static_cast<RuneLogic>(logic));
        EXPECT_EQ(litChoices(), QStringList()) << count;
    }
}

class SelectEquipmentDialogTest : public ::testing::Test {
  protected:
    RuneToggleButton& labelled(const QString& text) {
        for (RuneToggleButton* button : dialog.findChildren<RuneToggleButton*>())
            if (button->label() != nullptr && button->label()->text() == text) return *button;
        throw std::runtime_error("no button labelled " + text.toStdString());
    }

    const SkinImages images = solidSkinImages();
    SelectEquipmentDialog dialog{images};
};

// The button under each label sets its bits and shows its picture (types' first, then groups').
TEST_F(SelectEquipmentDialogTest, EachButtonSetsItsOwnBitsAndShowsItsOwnPicture) {
    std::size_t picture = 0;
    const auto expectSets = [&](const char* label, EquipmentMask mask) {
        RuneToggleButton& button = labelled(label);
        dialog.setEquipment(0);
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(dialog.equipment(), mask) << label;
        EXPECT_TRUE(samePicture(button.currentImage(), images.equipment.highlighted[picture++]))
            << label;
    };
    for (const EquipmentTypeInfo& type : kEquipmentTypes) expectSets(type.label, type.bit);
    for (const EquipmentGroupInfo& group : kEquipmentGroups) expectSets(group.label, group.mask);
}

// A type flips its bit; a group clears its types when all of them are set, else sets them all.
// The labels of the types and groups not wholly set turn grey.
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
        if (*label) QTest::mouseClick(&labelled(label), Qt::LeftButton);
        EXPECT_EQ(dialog.equipment(), after);
        QStringList greyed;
        for (const LabelButton* text : dialog.findChildren<LabelButton*>())
            if (text->textColour() == kGrey) greyed << text->text();
        greyed.sort();
        EXPECT_EQ(greyed, QString(grey).split(' ', Qt::SkipEmptyParts));
    }
}

}  // namespace
}  // namespace sockwright
