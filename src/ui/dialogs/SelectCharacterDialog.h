#pragma once

#include <array>

#include "model/Account.h"
#include "model/RealmList.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace sockwright {

class AccountList;
class CharacterCard;
class DialogService;
class ImageButton;
class LabelButton;
class RuneTable;
struct ClassImages;

// Where the user manages his accounts and characters: one account at a time with its eight slots
// as cards, stepped through the accounts as a ring. Additions, edits and deletions change the
// account list at once and stay when the dialog is cancelled; only the choice of the current
// account and character waits for OK, when the caller reads shownAccount() and selectedSlot().
// The Character, New Account, Confirmation and import dialogs and the file chooser it opens run
// through the dialog service.
class SelectCharacterDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    static inline const QString kCannotAddCharacter = QStringLiteral("Cannot Add Character");
    static inline const QString kCannotDeleteCharacter = QStringLiteral("Cannot Delete Character");
    static inline const QString kCannotDeleteAccount = QStringLiteral("Cannot Delete Account");
    static inline const QString kConfirm = QStringLiteral("Confirm");

    static inline const QString kSaveFileFilter =
        QStringLiteral("Game save files (*.d2s *.d2i);;Characters (*.d2s);;Shared stashes (*.d2i)");

    // Opens on the current account and character. The lists, runes and pictures must outlive the
    // dialog.
    SelectCharacterDialog(AccountList& accounts, const RealmList& realms, const RuneTable& runes,
                          const ClassImages& classImages, DialogService& dialogs,
                          QWidget* parent = nullptr);

    // The account the cards show, and the selected slot (0 to 7, or -1 while none is).
    Account* shownAccount() const { return shownAccount_; }
    int selectedSlot() const { return selectedSlot_; }

    CharacterCard& card(int slot) const { return *cards_[static_cast<std::size_t>(slot)]; }

    // The commands of the buttons and cards.
    void selectSlot(int slot);
    void showNextAccount();
    void showPreviousAccount();
    void newCharacter();
    void editCharacter();
    void deleteCharacter();
    void newAccount();
    void deleteAccount();
    // Reads a game save file the user chooses (in the game's save folder when one is found) and,
    // after its summary, takes a character into the shown account or a shared stash's runes
    // into the selected character.
    void importFromSave();

    // Controls by object name: "deleteAccount", "previousAccount", "account", "nextAccount",
    // "newAccount"; the cards "Char1" to "Char8" (slots 0 to 7); "newCharacter",
    // "deleteCharacter", "editCharacter", "importFromSave", "cancel", "ok".

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls(const ClassImages& classImages);
    void placeControls();
    void showAccount();
    void showAccount(Account* account);
    void redrawCard(int slot);
    // Runs the Confirmation dialog; true for OK.
    bool confirm(const QString& caption, const QString& message);
    bool canAddCharacter() const;
    bool canDeleteCharacter() const;
    bool canDeleteAccount() const;

    AccountList& accounts_;
    const RealmList& realms_;
    const RuneTable& runes_;
    DialogService& dialogs_;
    Account* shownAccount_ = nullptr;
    int selectedSlot_ = -1;

    ImageButton* deleteAccountButton_ = nullptr;
    ImageButton* previousAccountButton_ = nullptr;
    LabelButton* accountLabel_ = nullptr;
    ImageButton* nextAccountButton_ = nullptr;
    ImageButton* newAccountButton_ = nullptr;
    std::array<CharacterCard*, kCharacterSlots> cards_{};
    ImageButton* newCharacterButton_ = nullptr;
    ImageButton* deleteCharacterButton_ = nullptr;
    ImageButton* editCharacterButton_ = nullptr;
    LabelButton* importButton_ = nullptr;
};

}  // namespace sockwright
