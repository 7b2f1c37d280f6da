// The main window's way into the Rune Planner: PLAN, a right click on a runeword row, and the
// character a double click in the planner makes current.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include "MainWindowTest.h"
#include "model/CharacterRunes.h"
#include "ui/dialogs/PlannerList.h"
#include "ui/dialogs/RunePlannerDialog.h"

namespace sockwright {
namespace {

using testing::findControl;

class PlannerCommandTest : public testing::MainWindowTest {
  protected:
    // A second account whose one character owns Jah, Ith and Ber: the runes of Enigma.
    Account* addEnigmaOwner() {
        Account* ladder = window.state().accounts.addAccount("Ladder", "Europe", "SHADE", 86, 1, 1);
        ladder->characters[0].runes = RuneSet{{0x20, 0, 0x180}};  // Ith; Ber and Jah
        followRuneBits(ladder->characters[0]);
        return ladder;
    }
};

TEST_F(PlannerCommandTest, ACharacterChosenInThePlannerBecomesCurrentAndListsHisRunewords) {
    Account* ladder = addEnigmaOwner();
    dialogs.answer = [](QDialog& dialog) {
        auto& planner = dynamic_cast<RunePlannerDialog&>(dialog);
        planner.find("45% Faster Run/Walk");  // Enigma's
        auto& found = findControl<PlannerList>(planner, "found");
        found.selectRow(0);
        // DEFAULT, a new character, owns every rune; SHADE comes after him.
        auto& who = findControl<PlannerList>(planner, "whoCanMake");
        who.selectRow(1);
        QTest::keyClick(&who, Qt::Key_Return);
        return planner.result();
    };
    QTest::mouseClick(&button("plan"), Qt::LeftButton);
    EXPECT_EQ(window.state().accounts.currentAccount(), ladder);
    EXPECT_EQ(window.state().accounts.currentCharacter(), 0);
    EXPECT_EQ(characterLine(), "CHARACTER: Europe: Ladder: SHADE");
    EXPECT_EQ(testing::listedNames(window), QStringList{"Enigma"});
}

// A right click selects the row under the mouse and offers who can make it; the planner opens
// on that runeword, its rune pictures open Rune Details through the window, and closing it
// without a choice changes nothing.
TEST_F(PlannerCommandTest, RightClickOnARowOpensThePlannerOnItsRuneword) {
    addEnigmaOwner();
    const QRect row = list().visualRect(model().index(2, 0));
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, row.center(),
                                 list().viewport()->mapToGlobal(row.center()));
    QApplication::sendEvent(list().viewport(), &rightClick);
    ASSERT_EQ(list().selectedRow(), 2);
    const Runeword& clicked = *list().selectedRuneword();
    EXPECT_FALSE(detailsPanel().text().isEmpty()) << "the row's details show at once";

    QString shownName;
    dialogs.answer = [&](QDialog& dialog) {
        shownName = findControl<LabelButton>(dialog, "runewordName").text();
        QTest::mouseClick(&findControl<RuneToggleButton>(dialog, "runeSlot1"), Qt::LeftButton);
        return int(QDialog::Rejected);
    };
    auto& entry = findControl<QAction>(window, "whoCanMakeEntry");
    entry.trigger();
    if (auto* menu = qobject_cast<QMenu*>(entry.parent())) menu->close();
    EXPECT_EQ(shownName.toStdString(), clicked.name);
    EXPECT_EQ(dialogs.runeDetails, std::vector<int>{clicked.runes[0]});
    EXPECT_EQ(characterLine(), "CHARACTER: USEast: DEFAULT: DEFAULT");
    EXPECT_EQ(list().selectedRow(), 2);
}

}  // namespace
}  // namespace sockwright
