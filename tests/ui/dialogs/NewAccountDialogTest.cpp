#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "model/AccountList.h"
#include "support/FindControl.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

LabelButton& realmValue(const NewAccountDialog& dialog) {
    return findControl<LabelButton>(dialog, "realmValue");
}
void press(const NewAccountDialog& dialog, const char* name) {
    findControl<ImageButton>(dialog, name).click();
}
QString message(const NewAccountDialog& dialog) {
    return findControl<QLabel>(dialog, "message").text();
}

// The realm shown is looked up in the list, letter case ignored, and the step wraps around; a
// text in no entry steps to the first entry forward and to the last one backward.
TEST(NewAccountDialogTest, RealmStepsWrapAndFindTheShownRealmIgnoringCase) {
    const RealmList realms{"R1", "R2", "R3"};
    const AccountList accounts;
    struct Row {
        const char* shown;
        const char* button;
        const char* after;
    };
    for (const Row& row :
         {Row{"R1", "realmNext", "R2"}, Row{"R3", "realmNext", "R1"}, Row{"R1", "realmPrev", "R3"},
          Row{"R2", "realmPrev", "R1"}, Row{"nowhere", "realmNext", "R1"},
          Row{"nowhere", "realmPrev", "R3"}, Row{"r2", "realmNext", "R3"},
          Row{"r2", "realmPrev", "R1"}, Row{"r3", "realmNext", "R1"}}) {
        SCOPED_TRACE(std::string(row.shown) + " " + row.button);
        NewAccountDialog dialog(realms, accounts);
        EXPECT_EQ(realmValue(dialog).text(), "R1") << "opens on the first realm";
        realmValue(dialog).setText(row.shown);
        press(dialog, row.button);
        EXPECT_EQ(realmValue(dialog).text(), row.after);
    }

    // Entries that differ only in letter case do not hold the steps on the first of them.
    const RealmList twins{"Asia", "ASIA", "Europe"};
    NewAccountDialog dialog(twins, accounts);
    QStringList shown;
    for (int step = 0; step < 3; ++step) {
        press(dialog, "realmNext");
        shown << realmValue(dialog).text();
    }
    EXPECT_EQ(shown.join(' '), "ASIA Europe Asia");
}

// OK (or Enter in the name field) copies the name as typed and the realm shown; Cancel (or
// Escape) copies nothing.
TEST(NewAccountDialogTest, OkCopiesNameAndRealmAndCancelCopiesNothing) {
    const RealmList realms{"USEast", "Europe"};
    const AccountList accounts;
    struct Row {
        const char* typed;
        Qt::Key key;
        bool ok;
    };
    for (const Row& row : {Row{"  My Account ", Qt::Key_Return, true}, Row{"", Qt::Key_Enter, true},
                           Row{"Gone", Qt::Key_Escape, false}}) {
        SCOPED_TRACE(row.typed);
        NewAccountDialog dialog(realms, accounts);
        dialog.show();
        QLineEdit& name = findControl<QLineEdit>(dialog, "name");
        QTest::keyClicks(&name, row.typed);
        press(dialog, "realmNext");
        name.setFocus();
        QTest::keyClick(&name, row.key);
        EXPECT_EQ(dialog.result(), row.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.accountName(), row.ok ? row.typed : "");
        EXPECT_EQ(dialog.realm(), row.ok ? "Europe" : "");
    }
}

// The settings file names the current account by name and realm alone, so a second account of
// the same name and realm (letter case ignored, an empty name counting as "NoName") is refused
// with its reason, and so is every account while there is no realm to give it.
TEST(NewAccountDialogTest, OkIsRefusedForAnExistingAccountAndWithoutRealms) {
    const RealmList realms{"USEast", "Europe"};
    AccountList accounts;
    accounts.addAccount("Main", "USEast", "c", 1, 0, 0);
    accounts.addAccount("", "Europe", "c", 1, 0, 0);  // stored as NoName
    struct Row {
        const char* typed;
        int nextSteps;
        bool accepted;
    };
    for (const Row& row : {Row{"MAIN", 0, false}, Row{"main", 1, true}, Row{"Main ", 0, true},
                           Row{"", 1, false}, Row{"noname", 1, false}, Row{"", 0, true}}) {
        SCOPED_TRACE(std::string(row.typed) + " " + std::to_string(row.nextSteps));
        NewAccountDialog dialog(realms, accounts);
        QLineEdit& name = findControl<QLineEdit>(dialog, "name");
        QTest::keyClicks(&name, row.typed);
        for (int step = 0; step < row.nextSteps; ++step) press(dialog, "realmNext");
        press(dialog, "ok");
        EXPECT_EQ(dialog.result() == QDialog::Accepted, row.accepted);
        EXPECT_EQ(message(dialog),
                  row.accepted ? QString() : NewAccountDialog::kAccountExistsMessage);
        if (!row.accepted) {
            EXPECT_EQ(dialog.accountName(), "");
            QTest::keyClicks(&name, "2");
            EXPECT_EQ(message(dialog), "") << "a change of the name answers the refusal";
            press(dialog, "ok");
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }

    const RealmList none;
    NewAccountDialog dialog(none, accounts);
    EXPECT_EQ(realmValue(dialog).text(), NewAccountDialog::kNoRealm);
    EXPECT_EQ(message(dialog), NewAccountDialog::kNoRealmMessage);
    press(dialog, "realmNext");
    press(dialog, "realmPrev");
    QTest::keyClicks(&findControl<QLineEdit>(dialog, "name"), "Someone");
    press(dialog, "ok");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(message(dialog), NewAccountDialog::kNoRealmMessage);
    EXPECT_EQ(dialog.realm(), "");
}

}  // namespace
}  // namespace sockwright
