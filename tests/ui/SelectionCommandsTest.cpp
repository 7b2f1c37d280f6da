// The main window's Select Runes and Select Equipment commands: what OK writes back into the
// current character, what Cancel leaves alone, and the list that follows.
#include <gtest/gtest.h>

#include <QTest>

#include "MainWindowTest.h"
#include "WidgetInput.h"
#include "model/EquipmentMask.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"

namespace sockwright {
namespace {

using testing::click;
using testing::findControl;

class SelectionCommandsTest : public testing::MainWindowTest {
  protected:
    Character& character() { return window.state().accounts.currentCharacterRecord(); }

    // Answers the next dialog by clicking the named controls in order, then OK or Cancel.
    void answerByClicking(QStringList controls, bool ok) {
        dialogs.answer = [controls, ok](QDialog& dialog) {
            for (const QString& name : controls) {
                QTest::mouseClick(&findControl<QAbstractButton>(dialog, name), Qt::LeftButton);
            }
            return ok ? QDialog::Accepted : QDialog::Rejected;
        };
    }
};

TEST_F(SelectionCommandsTest, BerAndJahWithAllListExactlyTheRunewordsHoldingBoth) {
    // Runes 30 and 31; the three runewords of the shipped file that hold both.
    answerByClicking({"row0", "row1", "row2", "rune30", "rune31", "logicAll"}, true);
    click(button("selectRunes"));
    EXPECT_EQ(dialogs.dialogs.back(), "sockwright::SelectRunesDialog");
    EXPECT_EQ(testing::listedNames(window), (QStringList{"Destruction", "Enigma", "Last Wish"}));
    EXPECT_EQ(character().runeLogic, RuneLogic::All);
    RuneSet berAndJah;
    berAndJah.add(30);
    berAndJah.add(31);
    EXPECT_EQ(character().runes, berAndJah);
}

TEST_F(SelectionCommandsTest, RuneCountIsWrittenOnOkOnlyAndTheListIsRefilledUnselected) {
    window.moveDown();
    ASSERT_EQ(list().selectedRow(), 0);

    answerByClicking({"count3"}, false);
    click(button("selectRunes"));
    EXPECT_EQ(character().runeCountFilter, kAnyRuneCount);
    EXPECT_EQ(list().selectedRow(), 0) << "Cancel leaves the list and its selection";
    EXPECT_FALSE(detailsPanel().text().isEmpty());

    answerByClicking({"count3"}, true);
    click(button("selectRunes"));
    EXPECT_EQ(character().runeCountFilter, 3);
    EXPECT_EQ(list().selectedRow(), -1);
    EXPECT_TRUE(detailsPanel().text().isEmpty());
    ASSERT_GT(model().rowCount(), 0);
    for (int row = 0; row < model().rowCount(); ++row) {
        EXPECT_EQ(model().index(row, 0).data(RunewordListModel::RuneCountRole).toString(), "3");
    }
}

TEST_F(SelectionCommandsTest, EquipmentIsWrittenOnOkAndCancelChangesNothing) {
    // Everything but the helms.
    answerByClicking({"helms"}, false);
    click(button("selectEquipment"));
    EXPECT_EQ(character().equipment, kAllEquipment);
    EXPECT_EQ(model().rowCount(), 99);

    // Only the helms: the defence group clears armour and shields, then helms comes back.
    answerByClicking({"melee", "ranged", "defence", "helms"}, true);
    click(button("selectEquipment"));
    EXPECT_EQ(dialogs.dialogs.back(), "sockwright::SelectEquipmentDialog");
    EXPECT_EQ(character().equipment, 0x40000000u);
    EXPECT_GT(model().rowCount(), 0);
    for (int row = 0; row < model().rowCount(); ++row) {
        EXPECT_TRUE(model()
                        .index(row, 0)
                        .data(RunewordListModel::EquipmentRole)
                        .toString()
                        .contains("HELMS"));
    }
}

TEST_F(SelectionCommandsTest, RightClickInSelectRunesOpensTheRuneOverTheDialog) {
    dialogs.answer = [](QDialog& dialog) {
        QTest::mouseClick(&findControl<QAbstractButton>(dialog, "rune33"), Qt::RightButton);
        return QDialog::Accepted;
    };
    click(button("selectRunes"));
    EXPECT_EQ(dialogs.runeDetails, std::vector<int>{33});
    EXPECT_EQ(character().runes, RuneSet::all()) << "the right click toggled nothing";
}

}  // namespace
}  // namespace sockwright
