#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>
#include <tuple>

#include "Texts.h"
#include "model/AccountList.h"
#include "support/ShippedData.h"
#include "ui/RecordingDialogService.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// Types the name into the dialog's name field, if it has one, and presses OK.
Answer named(const QString& name) {
    return [name](QDialog& dialog) {
        if (auto* field = dialog.findChild<QLineEdit*>("name")) field->setText(name);
        return pressOk(dialog);
    };
}

class SelectCharacterDialogTest : public ::testing::Test {
  protected:
    // Character i is "c<i>", of level 10 + i, class (i + 3) % 7 and type i % 3: for character 0
    // none of them is what a Character dialog starts with.
    Account& account(const std::string& name, int characters, const std::string& realm = "USEast") {
        Account& added = *accounts.addAccount(name, realm, "c0", 10, 3, 0);
        for (int i = 1; i < characters; ++i)
            accounts.addCharacter(added, "c" + std::to_string(i), 10 + i, (i + 3) % 7, i % 3);
        return added;
    }
    void open(Account& current, int slot) {
        accounts.setCurrent(&current, slot);
        dialog = std::make_unique<SelectCharacterDialog>(accounts, realms, runes, classes, dialogs);
    }
    void reset() {
        dialog.reset();
        accounts.clear();
        dialogs = RecordingDialogService();
    }
    void press(const char* name) { pressButton(*dialog, name); }
    // The account line, then the characters the cards show, the framed ones in brackets.
    std::string shown() const {
        std::string text = findControl<QAbstractButton>(*dialog, "account").text().toStdString();
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            const CharacterCard& card = dialog->card(slot);
            const std::string& name = card.character->name;
            if (card.selected || card.character->inUse)
                text += card.selected ? " [" + name + "]" : " " + name;
        }
        return text;
    }

    AccountList accounts;
    RealmList realms{"USEast", "Europe"};
    RuneTable runes = shippedRunes();
    ClassImages classes;
    RecordingDialogService dialogs;
    std::unique_ptr<SelectCharacterDialog> dialog;
};

// What each command asks; then, after Cancel closes the dialog, how many accounts are left and
// what the dialog shows ({} for as before). A command that cannot run says why and changes
// nothing; the others change only when every dialog ends on OK, and Cancel undoes none of it.
TEST_F(SelectCharacterDialogTest, CommandsAskFirstAndChangeOnlyOnOk) {
    const auto refused = [](const char* what, int id) {
        return "Cannot " + QString(what) + ": " + fromLocalBytes(text(id));
    };
    const auto confirm = [](const char* what) {
        return QStringLiteral("Confirm: THIS WILL PERMANENTLY DELETE THE %1\nARE YOU SURE?")
            .arg(what);
    };
    // Accounts A0 on USEast and A1 on Europe, each holding c0, c1, ...; c0 of A0 selected. The
    // button; its dialogs' answers; the titles, then the confirmation messages; what is left.
    const std::tuple<int, int, const char*, std::deque<Answer>, QString, const char*> rows[] = {
        {1, 8, "newCharacter", {pressOk}, refused("Add Character", TextAccountFull), {}},
        {2, 1, "deleteCharacter", {pressOk}, refused("Delete Character", TextLastCharacter), {}},
        {1, 3, "deleteAccount", {pressOk}, refused("Delete Account", TextOnlyAccount), {}},
        {1, 3, "deleteCharacter", {pressCancel}, confirm("CHARACTER \"c0\""), {}},
        {1, 3, "deleteCharacter", {pressOk}, confirm("CHARACTER \"c0\""), "1 USEast: A0 [c1] c2"},
        {2, 1, "deleteAccount", {pressCancel}, confirm("ACCOUNT \"A0\""), {}},
        {2, 2, "deleteAccount", {pressOk}, confirm("ACCOUNT \"A0\""), "1 Europe: A1 [c0] c1"},
        {1, 3, "newCharacter", {pressCancel}, "Character", {}},
        {1, 3, "newCharacter", {pressOk}, "Character", "1 USEast: A0 c0 c1 c2 [Enter Name]"},
        {1, 3, "editCharacter", {named("Z")}, "Character", "1 USEast: A0 [Z] c1 c2"},
        {1, 1, "newAccount", {named("B"), pressCancel}, "New Account: Character", {}},
        {1, 1, "newAccount", {named("B"), named("C")}, "New Account: Character", "2 USEast: B [C]"},
    };
    for (const auto& [count, characters, button, answers, asked, after] : rows) {
        SCOPED_TRACE(button + asked.toStdString());
        reset();
        for (int i = 0; i < count; ++i) account("A" + std::to_string(i), characters, realms[i]);
        open(*accounts.head(), 0);
        const auto left = [&] { return std::to_string(accounts.size()) + " " + shown(); };
        const std::string before = left();
        dialogs.answers = answers;
        press(button);
        EXPECT_EQ((dialogs.titles + dialogs.confirmations).join(": "), asked);
        press("cancel");
        EXPECT_EQ(left(), after ? after : before);
        EXPECT_EQ(accounts.currentAccount(), accounts.head()) << "changed only by OK's caller";
    }
}

// Only a character can be chosen: a click or a double click on a free slot selects nothing.
TEST_F(SelectCharacterDialogTest, AFreeSlotTakesNoClick) {
    open(account("A", 2), 1);
    QTest::mouseClick(&dialog->card(5), Qt::LeftButton);
    QTest::mouseDClick(&dialog->card(5), Qt::LeftButton);
    EXPECT_EQ(shown(), "USEast: A c0 [c1]");
    EXPECT_EQ(dialog->selectedSlot(), 1);
}

}  // namespace
}  // namespace sockwright
