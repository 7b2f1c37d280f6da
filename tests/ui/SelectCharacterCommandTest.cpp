// The main window's Select Character command: what OK makes current, what survives a Cancel, and
// a whole session of new accounts, characters and selections that a restart brings back.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "MainWindowTest.h"
#include "WidgetInput.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"

namespace sockwright {
namespace {

using testing::click;
using testing::findControl;
using testing::pressOk;
using testing::RecordingDialogService;
using testing::RuntimeFolder;

// Types a name into a dialog's name field and presses OK.
int enterName(QDialog& dialog, const QString& name) {
    findControl<QLineEdit>(dialog, "name").setText(name);
    return pressOk(dialog);
}

class SelectCharacterCommandTest : public testing::MainWindowTest {
  protected:
    AccountList& accounts() { return window.state().accounts; }
    QString characterLine() const { return label("characterLine").text(); }
};

TEST_F(SelectCharacterCommandTest, CancelKeepsTheListButTheLineShowsARenamedCharacter) {
    window.moveDown();
    dialogs.answer = [](QDialog& dialog) {
        if (auto* select = qobject_cast<SelectCharacterDialog*>(&dialog)) {
            select->editCharacter();  // the Character dialog below renames the character
            return int(QDialog::Rejected);
        }
        return enterName(dialog, "RENAMED");
    };
    click(button("selectCharacter"));
    EXPECT_EQ(characterLine(), "CHARACTER: USEast: DEFAULT: RENAMED");
    EXPECT_EQ(list().selectedRow(), 0) << "a cancelled dialog does not refill the list";
}

TEST_F(SelectCharacterCommandTest, DeletingTheCurrentAccountRefillsTheListEvenAfterCancel) {
    Account* other = accounts().addAccount("OTHER", "Europe", "NOBODY", 5, 0, 0);
    other->characters[0].runes = RuneSet{};
    window.moveDown();
    dialogs.answer = [](QDialog& dialog) {
        if (auto* select = qobject_cast<SelectCharacterDialog*>(&dialog)) {
            select->deleteAccount();  // DEFAULT, the shown account, after its confirmation
            return int(QDialog::Rejected);
        }
        return pressOk(dialog);
    };
    click(button("selectCharacter"));
    ASSERT_EQ(accounts().size(), 1u);
    EXPECT_EQ(accounts().currentAccount(), other);
    EXPECT_EQ(characterLine(), "CHARACTER: Europe: OTHER: NOBODY");
    EXPECT_EQ(model().rowCount(), 0) << "the list belongs to NOBODY now";
}

TEST(SelectCharacterRoundTrip, AccountsCharactersAndSelectionsSurviveARestart) {
    RuntimeFolder runtime;
    QStringList listed;
    {
        RecordingDialogService dialogs;
        MainWindow window(dialogs);
        window.setUpdateServer(testing::noUpdateServer());
        ASSERT_TRUE(window.initialise());
        window.show();
        dialogs.answer = [](QDialog& dialog) -> int {
            if (auto* select = qobject_cast<SelectCharacterDialog*>(&dialog)) {
                select->newAccount();    // New Account, then its first character
                select->newCharacter();  // a second one, selected afterwards
                return pressOk(dialog);
            }
            if (qobject_cast<NewAccountDialog*>(&dialog)) return enterName(dialog, "ZED");
            static int characters = 0;
            return enterName(dialog, ++characters == 1 ? "ALPHA" : "BETA");
        };
        click(findControl<ImageButton>(window, "selectCharacter"));

        // BETA owns Ber and Jah only, and wants what holds both.
        dialogs.answer = [](QDialog& dialog) {
            for (const char* name : {"row0", "row1", "row2", "rune30", "rune31", "logicAll"}) {
                QTest::mouseClick(&findControl<QAbstractButton>(dialog, name), Qt::LeftButton);
            }
            return pressOk(dialog);
        };
        click(findControl<ImageButton>(window, "selectRunes"));
        listed = testing::listedNames(window);
        EXPECT_EQ(listed, (QStringList{"Destruction", "Enigma", "Last Wish"}));
        window.accept();
    }

    RecordingDialogService dialogs;
    MainWindow again(dialogs);
    again.setUpdateServer(testing::noUpdateServer());
    ASSERT_TRUE(again.initialise());
    EXPECT_EQ(findControl<LabelButton>(again, "characterLine").text(),
              "CHARACTER: USEast: ZED: BETA");
    const AccountList& accounts = again.state().accounts;
    ASSERT_EQ(accounts.size(), 2u);
    EXPECT_EQ(accounts.currentAccount()->characters[0].name, "ALPHA");
    EXPECT_EQ(testing::listedNames(again), listed);
}

}  // namespace
}  // namespace sockwright
