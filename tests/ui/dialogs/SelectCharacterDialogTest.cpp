#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "AnsweringDialogService.h"
#include "PressMnemonic.h"
#include "Texts.h"
#include "model/AccountList.h"
#include "support/CurrentFolder.h"
#include "support/FindControl.h"
#include "support/PixelCounting.h"
#include "support/TempFolder.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

constexpr const char* kConfirmationClass = "sockwright::ConfirmationDialog";
constexpr const char* kCharacterClass = "sockwright::CharacterDialog";
constexpr const char* kNewAccountClass = "sockwright::NewAccountDialog";
const QColor kPortraitColour{255, 0, 255};

QColor classColour(int characterClass) {
    return QColor(10 + 20 * characterClass, 0, 200);
}

// The colour at the middle of a card's picture.
QColor pictureColour(CharacterCard& card) {
    return render(card).pixelColor(32, 32);
}

// A character as "name level class type".
std::string described(const Character& character) {
    return character.name + " " + std::to_string(character.level) + " " +
           std::to_string(character.characterClass) + " " + std::to_string(character.characterType);
}

// What a Character dialog shows, as "name level class type".
QString shownBy(const QDialog& dialog) {
    return QStringList{findControl<QLineEdit>(dialog, "name").text(),
                       findControl<QLineEdit>(dialog, "level").text(),
                       findControl<LabelButton>(dialog, "classValue").text(),
                       findControl<LabelButton>(dialog, "typeValue").text()}
        .join(' ');
}

// Answers a dialog by typing into its fields and pressing its buttons, then OK.
Answer fill(std::vector<std::pair<const char*, QString>> fields,
            std::vector<const char*> buttons = {}) {
    return [fields = std::move(fields), buttons = std::move(buttons)](QDialog& dialog) {
        for (const auto& [name, text] : fields)
            findControl<QLineEdit>(dialog, QString::fromLatin1(name)).setText(text);
        for (const char* button : buttons) pressButton(dialog, button);
        return pressOk(dialog);
    };
}

class SelectCharacterDialogTest : public ::testing::Test {
  protected:
    SelectCharacterDialogTest() {
        for (int i = 0; i < static_cast<int>(classes.images.size()); ++i)
            classes.images[i] = solidPixmap({64, 64}, classColour(i));
    }

    // An account whose characters have the given names; each character has class i % 7 and
    // selections of its own.
    Account& account(const std::string& name, const std::string& realm,
                     const std::vector<std::string>& characters) {
        Account& added = *accounts.addAccount(name, realm, characters[0], 10, 0, 0);
        for (std::size_t i = 1; i < characters.size(); ++i)
            accounts.addCharacter(added, characters[i], 10 + static_cast<int>(i),
                                  static_cast<int>(i % 7), static_cast<int>(i % 3));
        for (Character& slot : added.characters) slot.equipment = 0x5;
        return added;
    }

    SelectCharacterDialog& open() {
        dialog = std::make_unique<SelectCharacterDialog>(accounts, realms, classes, service);
        return *dialog;
    }
    void press(const char* name) { findControl<ImageButton>(*dialog, name).click(); }
    QString accountText() const { return findControl<LabelButton>(*dialog, "account").text(); }
    // The slots whose cards are framed.
    std::vector<int> framed() const {
        std::vector<int> framedSlots;
        for (int slot = 0; slot < kCharacterSlots; ++slot)
            if (dialog->card(slot).selected) framedSlots.push_back(slot);
        return framedSlots;
    }

    TempFolder folder;
    CurrentFolder current{folder.path()};
    AccountList accounts;
    RealmList realms{"USEast", "Europe"};
    ClassImages classes;
    AnsweringDialogService service;
    std::unique_ptr<SelectCharacterDialog> dialog;
};

TEST_F(SelectCharacterDialogTest, OpensOnTheCurrentCharacterAndSelectsOnlySlotsInUse) {
    accounts.setCurrent(&account("Main", "USEast", {"A", "B", "C"}), 2);
    open();
    EXPECT_EQ(dialog->windowTitle(), "Select Character");
    EXPECT_EQ(accountText(), "USEast: Main");
    EXPECT_EQ(dialog->shownAccount(), accounts.currentAccount());
    EXPECT_EQ(dialog->selectedSlot(), 2);
    EXPECT_EQ(framed(), std::vector<int>{2});
    // Card k shows slot k - 1: two columns, odd cards on the left.
    auto& card1 = findControl<CharacterCard>(*dialog, "Char1");
    auto& card4 = findControl<CharacterCard>(*dialog, "Char4");
    EXPECT_EQ(card4.character, &dialog->shownAccount()->characters[3]);
    EXPECT_EQ(card4.geometry().topLeft(), card1.geometry().bottomRight() + QPoint(11, 7));
    EXPECT_GE(card1.width(), 290);

    QTest::mouseClick(&dialog->card(5), Qt::LeftButton);  // a free slot
    EXPECT_EQ(dialog->selectedSlot(), 2);
    QTest::mouseClick(&card1, Qt::LeftButton);
    EXPECT_EQ(dialog->selectedSlot(), 0);
    EXPECT_EQ(framed(), std::vector<int>{0});
    EXPECT_EQ(dialog->result(), 0) << "a click does not close the dialog";

    // A double click closes with OK: on a free card with the selection it had.
    for (const auto& [slot, selected] : {std::pair{6, 0}, std::pair{1, 1}}) {
        open();
        dialog->selectSlot(0);
        QTest::mouseDClick(&dialog->card(slot), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->selectedSlot(), selected);
    }
    EXPECT_TRUE(service.asked.empty());
}

TEST_F(SelectCharacterDialogTest, NextAndPreviousWalkTheRingAndStartAtSlotZero) {
    Account& p = account("P", "USEast", {"p0"});
    Account& q = account("Q", "Europe", {"q0", "q1"});
    Account& r = account("R", "USEast", {"r0", "r1"});
    accounts.setCurrent(&r, 1);
    open();
    struct Step {
        const char* button;
        Account* shown;
        const char* text;
    };
    for (const Step& step :
         {Step{"nextAccount", &p, "USEast: P"}, Step{"nextAccount", &q, "Europe: Q"},
          Step{"previousAccount", &p, "USEast: P"}, Step{"previousAccount", &r, "USEast: R"}}) {
        SCOPED_TRACE(step.text);
        press(step.button);
        EXPECT_EQ(dialog->shownAccount(), step.shown);
        EXPECT_EQ(accountText(), step.text);
        EXPECT_EQ(dialog->selectedSlot(), 0);
        EXPECT_EQ(framed(), std::vector<int>{0});
        EXPECT_EQ(dialog->card(1).character, &step.shown->characters[1]);
    }
    EXPECT_EQ(accounts.currentAccount(), &r) << "only OK's caller changes the current account";

    // With one account both change nothing, the selection included.
    AccountList single;
    single.createDefaultAccounts();
    single.addCharacter(*single.head(), "two", 5, 1, 1);
    single.addCharacter(*single.head(), "three", 5, 1, 1);
    single.setCurrent(single.head(), 2);
    SelectCharacterDialog alone(single, realms, classes, service);
    for (const char* button : {"nextAccount", "previousAccount"}) {
        findControl<ImageButton>(alone, button).click();
        EXPECT_EQ(alone.shownAccount(), single.head());
        EXPECT_EQ(alone.selectedSlot(), 2);
    }
}

// Each refusal shows its caption and text, opens no other dialog and changes nothing.
TEST_F(SelectCharacterDialogTest, RefusalsShowTheirTextAndChangeNothing) {
    struct Row {
        int accounts;
        int characters;
        const char* button;
        QString caption;
        int textId;
    };
    for (const Row& row :
         {Row{1, 8, "newCharacter", "Cannot Add Character", TextAccountFull},
          Row{2, 1, "deleteCharacter", "Cannot Delete Character", TextLastCharacter},
          Row{1, 3, "deleteAccount", "Cannot Delete Account", TextOnlyAccount}}) {
        SCOPED_TRACE(row.button);
        dialog.reset();
        accounts.clear();
        service.asked.clear();
        std::vector<std::string> names;
        for (int i = 0; i < row.characters; ++i) names.push_back("c" + std::to_string(i));
        for (int i = 0; i < row.accounts; ++i) account("A" + std::to_string(i), "USEast", names);
        accounts.setCurrent(accounts.head(), 0);
        const Account before = *accounts.head();
        open();
        press(row.button);
        ASSERT_EQ(service.asked.size(), 1u);
        EXPECT_EQ(service.asked[0].className, kConfirmationClass);
        EXPECT_EQ(service.asked[0].title, row.caption);
        EXPECT_EQ(service.asked[0].message, fromLocalBytes(text(row.textId)));
        EXPECT_EQ(accounts.size(), static_cast<std::size_t>(row.accounts));
        EXPECT_EQ(accounts.head()->characters, before.characters);
        EXPECT_EQ(dialog->selectedSlot(), 0);
    }
}

TEST_F(SelectCharacterDialogTest, NewCharacterTakesTheFirstFreeSlotAndIsSelected) {
    Account& main = account("Main", "USEast", {"A", "B", "C"});
    accounts.setCurrent(&main, 1);
    open();

    // Cancelled: nothing is added.
    service.answers.push_back(pressCancel);
    press("newCharacter");
    EXPECT_EQ(main.charactersInUse(), 3);

    service.answers.push_back([](QDialog& d) {
        EXPECT_EQ(shownBy(d), "Enter Name 99 AMAZON EXPANSION");
        return pressOk(d);
    });
    press("newCharacter");
    const Character& added = main.characters[3];
    EXPECT_TRUE(added.inUse);
    EXPECT_EQ(described(added), "Enter Name 99 0 1");
    EXPECT_EQ(added.equipment, kAllEquipment) << "a new character starts with every selection";
    EXPECT_EQ(dialog->selectedSlot(), 3);
    EXPECT_EQ(framed(), std::vector<int>{3});

    // Its card: the AMAZON picture and a green EXPANSION CHARACTER line.
    CharacterCard& card = findControl<CharacterCard>(*dialog, "Char4");
    EXPECT_EQ(card.character, &added);
    const QImage image = render(card);
    EXPECT_EQ(image.pixelColor(32, 32), classColour(0));
    EXPECT_GT(countColour(image, kGreen), 0);
    EXPECT_EQ(countColour(image, kRed), 0);
    EXPECT_EQ(accounts.currentCharacter(), 1);
}

TEST_F(SelectCharacterDialogTest, EditChangesTheSelectedCharacterAndKeepsItsSelections) {
    Account& main = account("Main", "USEast", {"A", "B"});
    accounts.setCurrent(&main, 1);
    main.characters[1].runes = RuneSet{{1, 2, 3}};
    open();

    service.answers.push_back([](QDialog& d) {
        EXPECT_EQ(shownBy(d), "B 11 ASSASSIN EXPANSION");
        return fill({{"name", "Edited"}, {"level", "0a7"}}, {"classNext", "typeNext"})(d);
    });
    press("editCharacter");
    const Character& edited = main.characters[1];
    EXPECT_EQ(described(edited), "Edited 7 2 2");
    EXPECT_EQ(edited.runes, (RuneSet{{1, 2, 3}}));
    EXPECT_EQ(edited.equipment, 0x5u);
    EXPECT_EQ(framed(), std::vector<int>{1});
    EXPECT_EQ(pictureColour(dialog->card(1)), classColour(2));

    // Cancelled, the edit is dropped; an empty name is stored as "NoName".
    service.answers = {[](QDialog& d) {
                           findControl<QLineEdit>(d, "name").setText("Dropped");
                           return pressCancel(d);
                       },
                       fill({{"name", ""}})};
    press("editCharacter");
    EXPECT_EQ(edited.name, "Edited");
    press("editCharacter");
    EXPECT_EQ(edited.name, "NoName");
}

TEST_F(SelectCharacterDialogTest, DeletingACharacterAsksAndMovesTheOthersDown) {
    Account& main = account("Main", "USEast", {"A", "B", "C"});
    accounts.setCurrent(&main, 2);
    open();
    dialog->selectSlot(0);

    service.answers.push_back(pressCancel);
    press("deleteCharacter");
    ASSERT_EQ(service.asked.size(), 1u);
    EXPECT_EQ(service.asked[0].title, "Confirm");
    EXPECT_EQ(service.asked[0].message,
              "THIS WILL PERMANENTLY DELETE THE CHARACTER \"A\"\nARE YOU SURE?");
    EXPECT_EQ(main.charactersInUse(), 3);

    press("deleteCharacter");
    EXPECT_EQ(main.charactersInUse(), 2);
    EXPECT_EQ(main.characters[0].name, "B");
    EXPECT_EQ(main.characters[1].name, "C");
    EXPECT_EQ(dialog->selectedSlot(), 0);
    EXPECT_EQ(framed(), std::vector<int>{0});
    EXPECT_EQ(accounts.currentCharacter(), 1) << "the current character moved down with C";
    EXPECT_EQ(countPixels(render(dialog->card(2)), isInk), 0) << "the freed slot is black";
}

TEST_F(SelectCharacterDialogTest, NewAccountIsMadeOnlyWhenBothDialogsEndWithOk) {
    Account& main = account("Main", "USEast", {"A"});
    accounts.setCurrent(&main, 0);
    open();
    const auto newAccount = fill({{"name", "Second"}}, {"realmNext"});

    // The first character cancelled: no account.
    service.answers = {newAccount, pressCancel};
    press("newAccount");
    EXPECT_EQ(service.classNames(), (std::vector<std::string>{kNewAccountClass, kCharacterClass}));
    EXPECT_EQ(accounts.size(), 1u);
    EXPECT_EQ(dialog->shownAccount(), &main);

    // The name and realm of an account that exists: refused, no character asked for.
    service.asked.clear();
    service.answers = {fill({{"name", "MAIN"}}), pressCancel};
    press("newAccount");
    EXPECT_EQ(service.classNames(), std::vector<std::string>{kNewAccountClass});
    EXPECT_EQ(accounts.size(), 1u);

    service.answers = {newAccount, [](QDialog& d) {
                           EXPECT_EQ(shownBy(d), "Enter Name 1 AMAZON EXPANSION");
                           return fill({{"name", "Hero"}})(d);
                       }};
    press("newAccount");
    ASSERT_EQ(accounts.size(), 2u);
    Account* added = accounts.tail();
    EXPECT_EQ(added->name + "/" + added->realm, "Second/Europe");
    EXPECT_EQ(described(added->characters[0]), "Hero 1 0 1");
    EXPECT_EQ(dialog->shownAccount(), added);
    EXPECT_EQ(dialog->selectedSlot(), 0);
    EXPECT_EQ(accountText(), "Europe: Second");
    EXPECT_EQ(accounts.currentAccount(), &main);
}

TEST_F(SelectCharacterDialogTest, DeletedAccountStaysDeletedWhenTheDialogIsCancelled) {
    Account& p = account("P", "USEast", {"p0", "p1"});
    Account& q = account("Q", "Europe", {"q0"});
    accounts.setCurrent(&q, 0);
    accounts.setCurrent(&p, 1);
    open();

    service.answers.push_back(pressCancel);
    press("deleteAccount");
    EXPECT_EQ(service.asked.back().title, "Confirm");
    EXPECT_EQ(service.asked.back().message,
              "THIS WILL PERMANENTLY DELETE THE ACCOUNT \"P\"\nARE YOU SURE?");
    EXPECT_EQ(accounts.size(), 2u);

    press("deleteAccount");
    ASSERT_EQ(accounts.size(), 1u);
    EXPECT_EQ(dialog->shownAccount(), &q);
    EXPECT_EQ(accountText(), "Europe: Q");
    EXPECT_EQ(dialog->selectedSlot(), 0);
    EXPECT_EQ(dialog->card(0).character, &q.characters[0]);
    EXPECT_EQ(accounts.currentAccount(), &q);
    EXPECT_EQ(accounts.currentCharacter(), 0);

    press("cancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(accounts.size(), 1u);
    EXPECT_EQ(accounts.head(), &q);
}

// char/ + character + account + realm + .bmp replaces the class picture once the cards are
// bound; a renamed character falls back to its class picture.
TEST_F(SelectCharacterDialogTest, PortraitNamedAfterCharacterAccountAndRealmReplacesTheClass) {
    writeBitmap(folder.path() / "char/ALICEMainUSEast.bmp", {64, 64}, kPortraitColour);
    writeBitmap(folder.path() / "char/ALICEOtherUSEast.bmp", {64, 64}, Qt::yellow);
    Account& main = account("Main", "USEast", {"ALICE", "BOB"});
    account("Other", "Europe", {"ALICE"});
    accounts.setCurrent(&main, 0);
    open();
    EXPECT_EQ(pictureColour(dialog->card(0)), kPortraitColour);
    EXPECT_EQ(pictureColour(dialog->card(1)), classColour(1));

    press("nextAccount");  // ALICE on Other, Europe: the file names USEast
    EXPECT_EQ(pictureColour(dialog->card(0)), classColour(0));
    press("previousAccount");
    EXPECT_EQ(pictureColour(dialog->card(0)), kPortraitColour);

    service.answers.push_back(fill({{"name", "ALICIA"}}));
    press("editCharacter");
    press("nextAccount");
    press("previousAccount");
    EXPECT_EQ(main.characters[0].name, "ALICIA");
    EXPECT_EQ(pictureColour(dialog->card(0)), classColour(0));
}

TEST_F(SelectCharacterDialogTest, KeysAndMnemonicsReachTheCommands) {
    account("P", "USEast", {"p0", "p1"});
    account("Q", "Europe", {"q0"});
    accounts.setCurrent(accounts.head(), 1);
    open();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));

    pressMnemonic(*dialog, Qt::Key_X);
    EXPECT_EQ(accountText(), "Europe: Q");
    pressMnemonic(*dialog, Qt::Key_P);
    EXPECT_EQ(accountText(), "USEast: P");
    service.answers.push_back(pressCancel);
    pressMnemonic(*dialog, Qt::Key_E);
    pressMnemonic(*dialog, Qt::Key_N);
    pressMnemonic(*dialog, Qt::Key_D);
    EXPECT_EQ(service.classNames(),
              (std::vector<std::string>{kCharacterClass, kCharacterClass, kConfirmationClass}));
    EXPECT_EQ(accounts.head()->charactersInUse(), 2) << "one added by New, then deleted";

    // An account name holding '&' takes no mnemonic from the buttons.
    accounts.head()->name = "&Next";
    press("nextAccount");
    press("previousAccount");
    pressMnemonic(*dialog, Qt::Key_N);
    EXPECT_EQ(service.asked.back().className, kCharacterClass);

    // Enter on a focused picture button presses it; anywhere else it is OK.
    findControl<CharacterCard>(*dialog, "Char1").setFocus();
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    open();
    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace sockwright
