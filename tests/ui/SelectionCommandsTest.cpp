// The main window's Select Runes and Select Equipment commands: what OK writes back into the
// current character, what Cancel leaves alone, and the list that follows.
#include <gtest/gtest.h>

#include <QTest>

#include "MainWindowTest.h"
#include "model/EquipmentMask.h"

namespace sockwright {
namespace {

using testing::findControl;

class SelectionCommandsTest : public testing::MainWindowTest {
  protected:
    Character& character() { return window.state().accounts.currentCharacterRecord(); }

    // Answers the next dialog by clicking the named controls in order, then OK or Cancel. A name
    // after "+" is clicked with Shift (one more), after "-" with Ctrl (one fewer).
    void answerByClicking(QStringList controls, bool ok) {
        dialogs.answer = [controls, ok](QDialog& dialog) {
            for (const QString& name : controls) {
                const bool step = name.startsWith('+') || name.startsWith('-');
                const Qt::KeyboardModifier modifier =
                    !step ? Qt::NoModifier
                          : (name[0] == '+' ? Qt::ShiftModifier : Qt::ControlModifier);
                QTest::mouseClick(&findControl<QAbstractButton>(dialog, step ? name.mid(1) : name),
                                  Qt::LeftButton, modifier);
            }
            return ok ? QDialog::Accepted : QDialog::Rejected;
        };
    }
};

// Cancel leaves the character, the list and its selection; OK writes the dialog's choices into
// the character and refills the list, unselected.
TEST_F(SelectionCommandsTest, OkWritesTheChoicesAndRefillsTheListAndCancelChangesNothing) {
    const struct {
        const char* command;
        QStringList clicks;
        QStringList listedAfterOk;
    } commands[] = {
        // Ber and Jah (runes 30 and 31), all of them, in three sockets: Enigma alone. Three Ber;
        // Jah counted down to none is off, and a click brings one back.
        {"selectRunes",
         {"row0", "row1", "row2", "rune30", "rune31", "+rune30", "+rune30", "-rune31", "rune31",
          "logicAll", "count3"},
         {"Enigma"}},
        // Only the helms: the defence group clears armour and shields, then helms comes back.
        {"selectEquipment", {"melee", "ranged", "defence", "helms"}, {}},
    };
    for (const bool ok : {false, true}) {
        for (const auto& [command, clicks, listedAfterOk] : commands) {
            SCOPED_TRACE(std::string(command) + (ok ? " OK" : " Cancel"));
            list().selectRow(0);
            answerByClicking(clicks, ok);
            QTest::mouseClick(&button(command), Qt::LeftButton);
            EXPECT_EQ(list().selectedRow(), ok ? -1 : 0);
            EXPECT_EQ(testing::listedNames(window).size(), ok ? listedAfterOk.size() : 99);
            if (ok) {
                EXPECT_EQ(testing::listedNames(window), listedAfterOk);
            }
        }
        if (!ok) {
            EXPECT_EQ(character().runes, RuneSet::all());
            EXPECT_EQ(character().runeCounts, RuneCounts::oneOfEach(RuneSet::all()));
            EXPECT_EQ(character().equipment, kAllEquipment);
        }
    }
    RuneSet berAndJah;
    for (int rune : {30, 31}) berAndJah.add(rune);
    EXPECT_EQ(character().runes, berAndJah);
    EXPECT_EQ(character().runeCounts.owned(), berAndJah);
    EXPECT_EQ(std::pair(character().runeCounts.count(30), character().runeCounts.count(31)),
              std::pair(3, 1));
    EXPECT_EQ(std::pair(character().runeLogic, character().runeCountFilter),
              std::pair(RuneLogic::All, 3));
    EXPECT_EQ(character().equipment, 0x40000000u);
}

TEST_F(SelectionCommandsTest, RightClickInSelectRunesOpensTheRuneOverTheDialog) {
    dialogs.answer = [](QDialog& dialog) {
        QTest::mouseClick(&findControl<QAbstractButton>(dialog, "rune33"), Qt::RightButton);
        return QDialog::Accepted;
    };
    QTest::mouseClick(&button("selectRunes"), Qt::LeftButton);
    EXPECT_EQ(dialogs.runeDetails, std::vector<int>{33});
    EXPECT_EQ(character().runes, RuneSet::all()) << "the right click toggled nothing";
}

}  // namespace
}  // namespace sockwright
