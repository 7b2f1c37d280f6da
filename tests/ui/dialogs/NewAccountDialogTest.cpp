#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <string_view>
#include <tuple>

#include "model/AccountList.h"
#include "ui/RecordingDialogService.h"
#include "ui/dialogs/NewAccountDialog.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

QString message(const NewAccountDialog& dialog) {
    return findControl<QLabel>(dialog, "message").text();
}

// The realm shown is looked up in the list with letter case ignored, and the steps wrap around;
// a text in no entry steps to the first entry forward and to the last one backward. Entries that
// differ only in letter case ("R1", "r1") do not hold the steps on the first of them.
TEST(NewAccountDialogTest, RealmStepsWrapAndFindTheShownRealmIgnoringCase) {
    // The realm set before the steps, if any; the steps, '+' Next and '-' Prev; the realm shown
    // after each.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {nullptr, "+++-", "r1 R2 R1 R2"},
        {"r2", "-", "r1"},
        {"nowhere", "+", "R1"},
        {"nowhere", "-", "R2"},
    };
    const RealmList realms{"R1", "r1", "R2"};
    const AccountList accounts;
    for (const auto& [shown, steps, expected] : rows) {
        SCOPED_TRACE(expected);
        NewAccountDialog dialog(realms, accounts);
        auto& realm = findControl<QAbstractButton>(dialog, "realmValue");
        if (shown) realm.setText(shown);
        QStringList after;
        for (const char* step = steps; *step; ++step) {
            pressButton(dialog, *step == '+' ? "realmNext" : "realmPrev");
            after << realm.text();
        }
        EXPECT_EQ(after.join(' '), expected);
    }
}

// Enter copies the name as typed and the realm shown. It is refused, with the reason, while there
// is no realm, and for an account of that name and realm (letter case ignored, an empty name
// standing for "NoName") until the name changes. Escape copies nothing.
TEST(NewAccountDialogTest, EnterCopiesANewAccountAndIsRefusedForAnExistingOneOrWithoutRealm) {
    const QString exists = NewAccountDialog::kAccountExistsMessage;
    // The name typed; the realm chosen by Next, nothing for an empty realm list; the key; the
    // name and realm copied, or the message shown.
    const std::tuple<const char*, const char*, Qt::Key, QString> rows[] = {
        {"  My Account ", "Europe", Qt::Key_Return, "  My Account /Europe"},
        {"", "USEast", Qt::Key_Enter, "/USEast"},
        {"Gone", "Europe", Qt::Key_Escape, ""},
        {"MAIN", "USEast", Qt::Key_Return, exists},
        {"main", "Europe", Qt::Key_Return, "main/Europe"},
        {"", "Europe", Qt::Key_Return, exists},
        {"Someone", nullptr, Qt::Key_Return, NewAccountDialog::kNoRealmMessage},
    };
    const RealmList realms{"USEast", "Europe"}, none;
    AccountList accounts;
    accounts.addAccount("Main", "USEast", "c", 1, 0, 0);
    accounts.addAccount("", "Europe", "c", 1, 0, 0);  // stored as NoName
    for (const auto& [typed, realm, key, outcome] : rows) {
        SCOPED_TRACE(outcome.toStdString());
        NewAccountDialog dialog(realm ? realms : none, accounts);
        dialog.show();
        QLineEdit& name = findControl<QLineEdit>(dialog, "name");
        QTest::keyClicks(&name, typed);
        if (!realm || std::string_view(realm) == "Europe") pressButton(dialog, "realmNext");
        name.setFocus();
        QTest::keyClick(&name, key);
        EXPECT_EQ(dialog.result() == QDialog::Accepted
                      ? QString::fromStdString(dialog.accountName() + "/" + dialog.realm())
                      : message(dialog),
                  outcome);
        if (outcome == exists) {
            QTest::keyClicks(&name, "2");
            EXPECT_EQ(message(dialog), "") << "a change of the name answers the refusal";
            QTest::keyClick(&name, Qt::Key_Return);
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
}

}  // namespace
}  // namespace sockwright
