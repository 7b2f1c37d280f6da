#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <memory>
#include <tuple>

#include "Texts.h"
#include "model/AccountList.h"
#include "support/CurrentFolder.h"
#include "support/PixelCounting.h"
#include "support/TempFolder.h"
#include "ui/RecordingDialogService.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

QColor classColour(int characterClass) {
    return QColor(10 + 20 * characterClass, 0, 200);
}

// Types the name into the dialog's name field, if it has one, and presses OK.
Answer named(const QString& name) {
    return [name](QDialog& dialog) {
        if (auto* field = dialog.findChild<QLineEdit*>("name")) field->setText(name);
        return pressOk(dialog);
    };
}

class SelectCharacterDialogTest : public ::testing::Test {
  protected:
    SelectCharacterDialogTest() {
        for (std::size_t i = 0; i < classes.images.size(); ++i)
            classes.images[i] = solidPixmap({64, 64}, classColour(static_cast<int>(i)));
    }

    // Character i has level 10 + i, class (i + 3) % 7 and type i % 3: for character 0 none of
    // them is what a Character dialog starts with.
    Account& account(const std::string& name, const std::vector<std::string>& characters,
                     const std::string& realm = "USEast") {
        Account& added = *accounts.addAccount(name, realm, characters[0], 10, 3, 0);
        for (int i = 1; i < static_cast<int>(characters.size()); ++i)
            accounts.addCharacter(added, characters[i], 10 + i, (i + 3) % 7, i % 3);
        return added;
    }
    SelectCharacterDialog& open(Account& current, int slot) {
        accounts.setCurrent(&current, slot);
        dialog = std::make_unique<SelectCharacterDialog>(accounts, realms, classes, dialogs);
        return *dialog;
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
    QColor picture(int slot) const { return render(dialog->card(slot)).pixelColor(32, 32); }

    TempFolder folder;
    CurrentFolder current{folder.path()};
    AccountList accounts;
    RealmList realms{"USEast", "Europe"};
    ClassImages classes;
    RecordingDialogService dialogs;
    std::unique_ptr<SelectCharacterDialog> dialog;
};

// What each command asks, and what the dialog shows after it. A command that cannot run says why
// and changes nothing, whatever the answer; the others change only when every dialog ends on OK.
TEST_F(SelectCharacterDialogTest, CommandsAskFirstAndChangeOnlyOnOk) {
    const auto refused = [](const char* caption, int id) {
        return caption + QStringLiteral(": ") + fromLocalBytes(text(id));
    };
    const auto confirm = [](const char* what) {
        return QStringLiteral("Confirm: THIS WILL PERMANENTLY DELETE THE %1\nARE YOU SURE?")
            .arg(what);
    };
    struct Row {
        int accounts;  // A0, A1, ... each holding c0, c1, ...; c0 of A0 selected
        int characters;
        const char* button;
        std::deque<Answer> answers;
        QString asked;                // the titles, then the confirmation messages
        const char* after = nullptr;  // unchanged
    };
    const Row rows[] = {
        {1, 8, "newCharacter", {pressOk}, refused("Cannot Add Character", TextAccountFull)},
        {2, 1, "deleteCharacter", {pressOk}, refused("Cannot Delete Character", TextLastCharacter)},
        {1, 3, "deleteAccount", {pressOk}, refused("Cannot Delete Account", TextOnlyAccount)},
        {1, 3, "deleteCharacter", {pressCancel}, confirm("CHARACTER \"c0\"")},
        {1, 3, "deleteCharacter", {pressOk}, confirm("CHARACTER \"c0\""), "USEast: A0 [c1] c2"},
        {2, 1, "deleteAccount", {pressCancel}, confirm("ACCOUNT \"A0\"")},
        {1, 3, "newCharacter", {pressCancel}, "Character"},
        {1, 3, "newCharacter", {pressOk}, "Character", "USEast: A0 c0 c1 c2 [Enter Name]"},
        {1, 3, "editCharacter", {named("Z")}, "Character", "USEast: A0 [Z] c1 c2"},
        {1, 1, "newAccount", {named("B"), pressCancel}, "New Account, Character"},
        {1, 1, "newAccount", {named("B"), named("C")}, "New Account, Character", "USEast: B [C]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        reset();
        std::vector<std::string> names;
        for (int i = 0; i < row.characters; ++i) names.push_back("c" + std::to_string(i));
        for (int i = 0; i < row.accounts; ++i) account("A" + std::to_string(i), names);
        open(*accounts.head(), 0);
        const std::string before = shown();
        dialogs.answers = row.answers;
        press(row.button);
        QString asked = dialogs.titles.join(", ");
        for (const QString& message : dialogs.confirmations) asked += ": " + message;
        EXPECT_EQ(asked, row.asked);
        EXPECT_EQ(shown(), row.after ? row.after : before);
        EXPECT_EQ(accounts.currentAccount(), accounts.head()) << "changed only by OK's caller";
    }
}

TEST_F(SelectCharacterDialogTest, DeletedAccountStaysDeletedWhenTheDialogIsCancelled) {
    Account& p = account("P", {"p0"});
    Account& q = account("Q", {"q0", "q1"}, "Europe");
    open(p, 0);
    press("deleteAccount");
    EXPECT_EQ(shown(), "Europe: Q [q0] q1");
    // Alone, the account stays on Next and Prev, with the selection a click made.
    QTest::mouseClick(&dialog->card(1), Qt::LeftButton);
    for (const char* button : {"nextAccount", "previousAccount"}) press(button);
    EXPECT_EQ(shown(), "Europe: Q q0 [q1]");
    press("cancel");
    EXPECT_EQ(std::tuple(dialog->result(), accounts.size(), accounts.currentAccount()),
              std::tuple(QDialog::Rejected, std::size_t{1}, &q));
}

// A card shows char/ + character + account + realm + .bmp in place of the class picture; a
// renamed character falls back to its class picture and keeps its level, class and type. A new
// character is a level 99 AMAZON with every selection, EXPANSION in green.
TEST_F(SelectCharacterDialogTest, CardsShowPortraitsAndNewCharactersAsLevel99ExpansionAmazons) {
    const QColor portrait(255, 0, 255);
    writeBitmap(folder.path() / "char/ALICEMainUSEast.bmp", {64, 64}, portrait);
    writeBitmap(folder.path() / "char/ALICEOtherUSEast.bmp", {64, 64}, Qt::yellow);
    Account& main = account("Main", {"ALICE", "BOB"});
    account("Other", {"ALICE"}, "Europe");
    open(main, 0);
    EXPECT_EQ(picture(0), portrait);
    EXPECT_EQ(picture(1), classColour(4));
    press("nextAccount");  // ALICE of Other on Europe: the file names USEast
    EXPECT_EQ(picture(0), classColour(3));
    press("previousAccount");
    EXPECT_EQ(picture(0), portrait);

    dialogs.answers = {named("ALICIA")};
    press("editCharacter");
    EXPECT_EQ(picture(0), classColour(3));
    const Character& edited = main.characters[0];
    EXPECT_EQ(std::tuple(edited.name, edited.level, edited.characterClass, edited.characterType),
              std::tuple("ALICIA", 10, 3, 0));

    press("newCharacter");
    EXPECT_EQ(std::pair(main.characters[2].level, main.characters[2].equipment),
              std::pair(99, kAllEquipment));
    EXPECT_EQ(picture(2), classColour(0));
    EXPECT_GT(countColour(render(dialog->card(2)), kGreen), 0) << "EXPANSION CHARACTER";
    // A double click closes with OK; on a free card, with the selection it had.
    QTest::mouseDClick(&dialog->card(5), Qt::LeftButton);
    EXPECT_EQ(std::pair(dialog->result(), dialog->selectedSlot()), std::pair(1, 2));
}

// Each mnemonic, and Enter for OK, in the Select Character and Character dialogs: Next and Prev
// wrap around the accounts and select slot 0 of the account they show, but only OK's caller
// changes the current account. An account name holding '&' takes no mnemonic from the buttons.
TEST_F(SelectCharacterDialogTest, MnemonicsAndEnterReachTheirCommands) {
    // The account shown first, its slot 1 selected, or -1 for the Character dialog; the key; the
    // account and characters shown after it, or the character's class.
    const std::tuple<int, Qt::Key, const char*> rows[] = {
        {0, Qt::Key_X, "Europe: Q&N [q0] q1"},
        {2, Qt::Key_X, "USEast: P [p0] p1"},
        {0, Qt::Key_P, "USEast: R [r0] r1"},
        {1, Qt::Key_N, "Europe: Q&N q0 q1 [Z]"},
        {1, Qt::Key_E, "Europe: Q&N q0 [Z]"},
        {1, Qt::Key_D, "Europe: Q&N [q0]"},
        {1, Qt::Key_Return, "Europe: Q&N q0 [q1] OK"},
        {-1, Qt::Key_X, "ASSASSIN"},
        {-1, Qt::Key_P, "PALADIN"},
        {-1, Qt::Key_Return, "AMAZON OK"},
    };
    for (const auto& [first, key, expected] : rows) {
        SCOPED_TRACE(expected);
        reset();
        Account* const all[] = {&account("P", {"p0", "p1"}),
                                &account("Q&N", {"q0", "q1"}, "Europe"),
                                &account("R", {"r0", "r1"})};
        dialogs.answer = named("Z");
        open(*all[std::max(first, 0)], 1);
        CharacterDialog character;
        QDialog& window = first < 0 ? static_cast<QDialog&>(character) : *dialog;
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key, key == Qt::Key_Return ? Qt::NoModifier : Qt::AltModifier);
        const auto state = [&] {
            return (first < 0 ? findControl<QAbstractButton>(character, "classValue").text()
                              : QString::fromStdString(shown())) +
                   (window.result() == QDialog::Accepted ? " OK" : "");
        };
        // A mnemonic clicks its button by an animation, which ends a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&] { return state() == expected; })) << state().toStdString();
        EXPECT_EQ(accounts.currentAccount(), all[std::max(first, 0)]);
    }
}

}  // namespace
}  // namespace sockwright
