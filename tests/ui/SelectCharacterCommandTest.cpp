// The main window's Select Character command: what OK makes current and what survives a Cancel.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "MainWindowTest.h"
#include "ui/dialogs/SelectCharacterDialog.h"

namespace sockwright {
namespace {

using testing::findControl;
using testing::pressOk;

using SelectCharacterCommandTest = testing::MainWindowTest;

// The dialog changes accounts at once, so the line shows a character renamed in it even after
// Cancel; only OK makes the shown character current and refills the list.
TEST_F(SelectCharacterCommandTest, OkMakesTheShownCharacterCurrentAndCancelKeepsTheList) {
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        window.moveDown();
        dialogs.answer = [ok](QDialog& dialog) {
            if (auto* select = qobject_cast<SelectCharacterDialog*>(&dialog)) {
                // Cancel after a rename; OK after a new account, ZED, and its first character.
                ok ? select->newAccount() : select->editCharacter();
                return int(ok ? QDialog::Accepted : QDialog::Rejected);
            }
            findControl<QLineEdit>(dialog, "name").setText(ok ? "ZED" : "RENAMED");
            return pressOk(dialog);
        };
        QTest::mouseClick(&button("selectCharacter"), Qt::LeftButton);
        EXPECT_EQ(characterLine(),
                  ok ? "CHARACTER: USEast: ZED: ZED" : "CHARACTER: USEast: DEFAULT: RENAMED");
        EXPECT_EQ(list().selectedRow(), ok ? -1 : 0);
    }
}

// The list's colours follow the level: a level changed in the dialog refills it even after Cancel.
TEST_F(SelectCharacterCommandTest, ALevelChangedBeforeCancelRefillsTheList) {
    window.moveDown();
    dialogs.answer = [](QDialog& dialog) {
        if (auto* select = qobject_cast<SelectCharacterDialog*>(&dialog)) {
            select->editCharacter();
            return int(QDialog::Rejected);
        }
        findControl<QLineEdit>(dialog, "level").setText("1");
        return pressOk(dialog);
    };
    QTest::mouseClick(&button("selectCharacter"), Qt::LeftButton);
    EXPECT_EQ(list().selectedRow(), -1);
}

}  // namespace
}  // namespace sockwright
