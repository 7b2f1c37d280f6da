#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string_view>
#include <tuple>

#include "model/AccountList.h"
#include "ui/RecordingDialogService.h"
#include "ui/dialogs/NewAccountDialog.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// Enter copies the name as typed and the realm shown. It is refused, with the reason, while there
// is no realm, and for an account of that name and realm (letter case ignored, an empty name
// standing for "NoName").
TEST(NewAccountDialogTest, EnterCopiesANewAccountAndIsRefusedForAnExistingOneOrWithoutRealm) {
    // The name typed; the realm shown (Europe after a Next), nullptr for an empty realm list; the
    // name and realm copied, or the message shown.
    const std::tuple<const char*, const char*, QString> rows[] = {
        {"  My Account ", "Europe", "  My Account /Europe"},
        {"MAIN", "USEast", NewAccountDialog::kAccountExistsMessage},
        {"main", "Europe", "main/Europe"},
        {"", "Europe", NewAccountDialog::kAccountExistsMessage},
        {"Someone", nullptr, NewAccountDialog::kNoRealmMessage},
    };
    const RealmList realms{"USEast", "Europe"}, none;
    AccountList accounts;
    accounts.addAccount("Main", "USEast", "c", 1, 0, 0);
    accounts.addAccount("", "Europe", "c", 1, 0, 0);  // stored as NoName
    for (const auto& [typed, realm, outcome] : rows) {
        SCOPED_TRACE(outcome.toStdString());
        NewAccountDialog dialog(realm ? realms : none, accounts);
        QLineEdit& name = findControl<QLineEdit>(dialog, "name");
        QTest::keyClicks(&name, typed);
        if (!realm || std::string_view(realm) == "Europe") pressButton(dialog, "realmNext");
        QTest::keyClick(&name, Qt::Key_Return);
        EXPECT_EQ(dialog.result() == QDialog::Accepted
                      ? QString::fromStdString(dialog.accountName() + "/" + dialog.realm())
                      : findControl<QLabel>(dialog, "message").text(),
                  outcome);
    }
}

}  // namespace
}  // namespace sockwright
