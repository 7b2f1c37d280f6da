// The dialogs of the skinned selection frame: Select Runes, Select Equipment and Rune Details.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "support/FindControl.h"
#include "ui/dialogs/DialogChecks.h"
#include "ui/dialogs/RuneDetailsDialog.h"
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

// Runes 21 to 33, missing from the rune file, show nothing and open nothing; their bits stay.
TEST(SelectRunesDialogShortFileTest, EmptyRuneSlotsShowNothingAndKeepTheirBits) {
    RuneTable table;
    for (int n = 1; n <= 20; ++n) table.set(n, Rune{n});
    SelectRunesDialog dialog(table, solidSkinImages());
    const RuneSet start{{0, 0x400, 0x001}};  // runes 22 and 23
    dialog.setRunes(start);
    QSignalSpy details(&dialog, &SelectRunesDialog::runeDetailsRequested);
    for (const int n : {21, 22, 23, 33}) {
        EXPECT_TRUE(find(dialog, "rune", n).currentImage().isNull() &&
                    find<LabelButton>(dialog, "runeLabel", n).text().isEmpty())
            << n;
        QTest::mouseClick(&find(dialog, "rune", n), Qt::RightButton);
        QTest::mouseClick(&find(dialog, "rune", n), Qt::LeftButton);
    }
    EXPECT_TRUE(details.isEmpty() && dialog.runes() == start);
    QTest::mouseClick(&find(dialog, "row2"), Qt::LeftButton);
    EXPECT_EQ(dialog.runes().rows[2], kWholeRuneRow);
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

// Name and number, level, then the bonuses as the details text lays them out. The name is taken
// as it is: a '&' in it is no mnemonic, and a "%2" in it is not the number.
TEST(RuneDetailsDialogTest, ShowsNameNumberLevelAndTheBonusesTakingTheNameLiterally) {
    const RuneDetailsDialog dialog({8, 2, "&Ral%2", "a,b", "R", "S"}, nullptr);
    QStringList shown;
    for (const char* name : {"nameLabel", "levelLabel", "details"})
        shown << findControl<QAbstractButton>(dialog, name).text().replace('\n', '/');
    EXPECT_EQ(shown.join('|'), "&Ral%2 (8)|REQUIRED LEVEL: 2|Weapons/a/b//Armour/R//Shields/S");
    EXPECT_TRUE(findControl<QAbstractButton>(dialog, "nameLabel").shortcut().isEmpty());
}

// Every control apart and every text whole. Every shipped rune fits one size of Rune Details,
// which keeps the picture's room without a picture; a longer text of an edited rune file grows
// it, and a long rune name widens the Select Runes grid.
TEST(SelectionDialogsTest, LayoutKeepsEveryControlApartAndEveryTextWhole) {
    RuneTable runes = shippedRunes();
    const SkinImages images = solidSkinImages();
    const QPixmap picture = solidPixmap({36, 36}, Qt::red);
    const RuneDetailsDialog first(*runes.find(1), &picture);
    EXPECT_TRUE(samePicture(findControl<ImageButton>(first, "image").image(), picture));
    EXPECT_EQ(RuneDetailsDialog(*runes.find(1), nullptr).size(), first.size());
    for (int n = 1; n <= kRuneCount; ++n) {
        const RuneDetailsDialog dialog(*runes.find(n), &picture);
        expectTidyLayout(dialog);
        EXPECT_EQ(dialog.size(), first.size()) << n;
    }
    const RuneDetailsDialog grown(
        {5, 15, "Eth", "+100% Enhanced Damage Against Every Monster In The Game,a,b,c,d", "e,f",
         "g"},
        &picture);
    expectTidyLayout(grown);
    EXPECT_TRUE(grown.width() > first.width() && grown.height() > first.height());
    runes.set(13, Rune{13, 1, "Shaelmorgothrax"});
    expectTidyLayout(SelectRunesDialog(runes, images));
}

}  // namespace
}  // namespace sockwright
