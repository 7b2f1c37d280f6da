#include "ui/dialogs/SelectCharacterDialog.h"

#include <QDir>
#include <QKeySequence>
#include <QMouseEvent>
#include <algorithm>
#include <string_view>

#include "Texts.h"
#include "model/AccountList.h"
#include "savefile/SaveFileImport.h"
#include "savefile/SaveFileReader.h"
#include "savefile/SaveFolderSearch.h"
#include "ui/DialogService.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/dialogs/ImportSummaryDialog.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

constexpr int kMargin = 10;
constexpr int kGap = 10;
constexpr int kCardGapDown = 6;
constexpr int kLabelHeight = 20;
constexpr int kCardColumns = 2;

bool isSlot(int slot) {
    return slot >= 0 && slot < kCharacterSlots;
}

QString confirmationMessage(const char* what, const std::string& name) {
    return QStringLiteral("THIS WILL PERMANENTLY DELETE THE %1 \"%2\"\nARE YOU SURE?")
        .arg(QLatin1String(what), fromLocalBytes(name));
}

}  // namespace

SelectCharacterDialog::SelectCharacterDialog(AccountList& accounts, const RealmList& realms,
                                             const RuneTable& runes, const ClassImages& classImages,
                                             DialogService& dialogs, QWidget* parent)
    : SkinnedDialog(QStringLiteral("Select Character"), kWhite, parent),
      accounts_(accounts),
      realms_(realms),
      runes_(runes),
      dialogs_(dialogs) {
    createControls(classImages);
    placeControls();

    shownAccount_ = accounts_.currentAccount();
    if (accounts_.indexOf(shownAccount_) < 0) shownAccount_ = accounts_.head();
    selectedSlot_ = accounts_.currentCharacter();
    showAccount();
    okButton().setFocus();
}

void SelectCharacterDialog::createControls(const ClassImages& classImages) {
    const auto button = [this](const char* name, const char* caption, std::string_view face,
                               void (SelectCharacterDialog::*command)()) {
        ImageButton* made = makeFaceButton(this, QLatin1String(name), QLatin1String(caption), face);
        connect(made, &QAbstractButton::clicked, this, command);
        return made;
    };
    deleteAccountButton_ =
        button("deleteAccount", "Delete", "Delete", &SelectCharacterDialog::deleteAccount);
    previousAccountButton_ =
        button("previousAccount", "&Prev", "Prev", &SelectCharacterDialog::showPreviousAccount);
    accountLabel_ = makeSkinLabel(this, QStringLiteral("account"));
    nextAccountButton_ =
        button("nextAccount", "Ne&xt", "Next", &SelectCharacterDialog::showNextAccount);
    newAccountButton_ = button("newAccount", "New", "New", &SelectCharacterDialog::newAccount);

    for (int slot = 0; slot < kCharacterSlots; ++slot) {
        auto* card = new CharacterCard(classImages, this);
        card->setObjectName(QStringLiteral("Char%1").arg(slot + 1));
        card->installEventFilter(this);
        connect(card, &QAbstractButton::clicked, this, [this, slot] { selectSlot(slot); });
        cards_[static_cast<std::size_t>(slot)] = card;
    }

    newCharacterButton_ =
        button("newCharacter", "&New", "New", &SelectCharacterDialog::newCharacter);
    deleteCharacterButton_ =
        button("deleteCharacter", "&Delete", "Delete", &SelectCharacterDialog::deleteCharacter);
    editCharacterButton_ =
        button("editCharacter", "&Edit", "Edit", &SelectCharacterDialog::editCharacter);
    importButton_ =
        makeSkinLabel(this, QStringLiteral("importFromSave"), QStringLiteral("IMPORT SAVE..."));
    importButton_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_I));
    connect(importButton_, &QAbstractButton::clicked, this, &SelectCharacterDialog::importFromSave);
    addButtons(Buttons::CancelThenOk);
}

void SelectCharacterDialog::placeControls() {
    const QSize card = cards_[0]->sizeHint();
    const int contentWidth = kCardColumns * card.width() + (kCardColumns - 1) * kGap;

    // The account row: Delete, Prev, the account, Next, New.
    ImageButton& deleteAccount = *deleteAccountButton_;
    ImageButton& previous = *previousAccountButton_;
    ImageButton& next = *nextAccountButton_;
    ImageButton& newAccount = *newAccountButton_;
    const int topRow = std::max(deleteAccount.height(), newAccount.height());
    const auto centreIn = [](QWidget& widget, int x, int top, int height) {
        widget.move(x, top + (height - widget.height()) / 2);
    };
    centreIn(deleteAccount, kMargin, kMargin, topRow);
    centreIn(previous, deleteAccount.geometry().right() + 1 + kGap, kMargin, topRow);
    centreIn(newAccount, kMargin + contentWidth - newAccount.width(), kMargin, topRow);
    centreIn(next, newAccount.x() - kGap - next.width(), kMargin, topRow);
    const int labelLeft = previous.geometry().right() + 1 + kGap;
    accountLabel_->setGeometry(labelLeft, kMargin + (topRow - kLabelHeight) / 2 + 2,
                               next.x() - kGap - labelLeft, kLabelHeight);

    // Card k in row (k - 1) div 2, the odd ones on the left.
    const int cardsTop = kMargin + topRow + kGap;
    for (int slot = 0; slot < kCharacterSlots; ++slot) {
        const int column = slot % kCardColumns;
        const int row = slot / kCardColumns;
        cards_[static_cast<std::size_t>(slot)]->setGeometry(
            kMargin + column * (card.width() + kGap),
            cardsTop + row * (card.height() + kCardGapDown), card.width(), card.height());
    }

    // The bottom row: New, Delete, Edit on the left; Cancel and OK on the right.
    const int rows = kCharacterSlots / kCardColumns;
    const int bottomTop = cardsTop + rows * card.height() + (rows - 1) * kCardGapDown + kGap;
    ImageButton& ok = okButton();
    ImageButton& cancel = *cancelButton();
    const std::array<ImageButton*, 3> left{newCharacterButton_, deleteCharacterButton_,
                                           editCharacterButton_};
    int bottomRow = std::max(ok.height(), cancel.height());
    for (const ImageButton* button : left) bottomRow = std::max(bottomRow, button->height());
    int x = kMargin;
    for (ImageButton* button : left) {
        centreIn(*button, x, bottomTop, bottomRow);
        x += button->width() + kGap;
    }
    centreIn(ok, kMargin + contentWidth - ok.width(), bottomTop, bottomRow);
    centreIn(cancel, ok.x() - kGap - cancel.width(), bottomTop, bottomRow);
    // The import command fills the room between Edit and Cancel.
    importButton_->setGeometry(x, bottomTop + (bottomRow - kLabelHeight) / 2 + 2,
                               cancel.x() - kGap - x, kLabelHeight);

    setFixedSize(contentWidth + 2 * kMargin, bottomTop + bottomRow + kMargin);
}

void SelectCharacterDialog::showAccount() {
    for (int slot = 0; slot < kCharacterSlots; ++slot) {
        CharacterCard& shown = card(slot);
        shown.character = shownAccount_ ? &shownAccount_->characters[slot] : nullptr;
        if (shownAccount_) shown.loadPortrait(*shownAccount_);
        shown.selected = false;
        shown.update();
    }
    const int remembered = selectedSlot_;
    selectedSlot_ = -1;
    selectSlot(remembered);
    setLabelText(*accountLabel_,
                 shownAccount_ ? QStringLiteral("%1: %2").arg(fromLocalBytes(shownAccount_->realm),
                                                              fromLocalBytes(shownAccount_->name))
                               : QString());
}

void SelectCharacterDialog::showAccount(Account* account) {
    shownAccount_ = account;
    selectedSlot_ = 0;
    showAccount();
}

void SelectCharacterDialog::redrawCard(int slot) {
    if (isSlot(slot)) card(slot).update();
}

void SelectCharacterDialog::selectSlot(int slot) {
    if (shownAccount_ == nullptr || !isSlot(slot) || !shownAccount_->characters[slot].inUse) return;
    if (slot == selectedSlot_) return;
    if (isSlot(selectedSlot_)) {
        card(selectedSlot_).selected = false;
        redrawCard(selectedSlot_);
    } else {
        for (int other = 0; other < kCharacterSlots; ++other) {
            card(other).selected = false;
            redrawCard(other);
        }
    }
    selectedSlot_ = slot;
    card(slot).selected = true;
    redrawCard(slot);
}

void SelectCharacterDialog::showNextAccount() {
    Account* next = accounts_.nextAccount(shownAccount_);
    if (next != nullptr && next != shownAccount_) showAccount(next);
}

void SelectCharacterDialog::showPreviousAccount() {
    Account* previous = accounts_.previousAccount(shownAccount_);
    if (previous != nullptr && previous != shownAccount_) showAccount(previous);
}

bool SelectCharacterDialog::canAddCharacter() const {
    return shownAccount_ != nullptr && !shownAccount_->isFull();
}

bool SelectCharacterDialog::canDeleteCharacter() const {
    return shownAccount_ != nullptr && shownAccount_->holdsSeveralCharacters();
}

bool SelectCharacterDialog::canDeleteAccount() const {
    return accounts_.size() > 1;
}

bool SelectCharacterDialog::confirm(const QString& caption, const QString& message) {
    ConfirmationDialog dialog(caption, message, this);
    return dialogs_.runDialog(dialog) == QDialog::Accepted;
}

void SelectCharacterDialog::newCharacter() {
    if (shownAccount_ == nullptr) return;
    if (!canAddCharacter()) {
        confirm(kCannotAddCharacter, fromLocalBytes(text(TextAccountFull)));
        return;
    }
    CharacterDialog dialog(this);
    dialog.setLevel(99);
    if (dialogs_.runDialog(dialog) != QDialog::Accepted) return;
    const auto slot = accounts_.addCharacter(*shownAccount_, dialog.name(), dialog.level(),
                                             dialog.characterClass(), dialog.characterType());
    if (!slot) return;
    card(*slot).loadPortrait(*shownAccount_);
    selectSlot(*slot);
}

void SelectCharacterDialog::editCharacter() {
    if (shownAccount_ == nullptr || !isSlot(selectedSlot_)) return;
    const Character& character = shownAccount_->characters[selectedSlot_];
    if (!character.inUse) return;
    CharacterDialog dialog(this);
    dialog.setName(character.name);
    dialog.setLevel(character.level);
    dialog.setCharacterClass(character.characterClass);
    dialog.setCharacterType(character.characterType);
    if (dialogs_.runDialog(dialog) != QDialog::Accepted) return;

    const int edited = selectedSlot_;
    accounts_.editCharacter(*shownAccount_, edited, dialog.name(), dialog.level(),
                            dialog.characterClass(), dialog.characterType());
    // A new name may have a portrait of its own, or lose the old one.
    card(edited).loadPortrait(*shownAccount_);
    selectedSlot_ = -1;
    selectSlot(edited);
}

void SelectCharacterDialog::deleteCharacter() {
    if (shownAccount_ == nullptr) return;
    if (!canDeleteCharacter()) {
        confirm(kCannotDeleteCharacter, fromLocalBytes(text(TextLastCharacter)));
        return;
    }
    if (!isSlot(selectedSlot_) || !shownAccount_->characters[selectedSlot_].inUse) return;
    if (!confirm(kConfirm,
                 confirmationMessage("CHARACTER", shownAccount_->characters[selectedSlot_].name)))
        return;
    accounts_.deleteCharacter(*shownAccount_, selectedSlot_);
    showAccount(shownAccount_);
}

void SelectCharacterDialog::newAccount() {
    NewAccountDialog accountDialog(realms_, accounts_, this);
    if (dialogs_.runDialog(accountDialog) != QDialog::Accepted) return;
    // The account's first character; cancelling it drops the account as well.
    CharacterDialog characterDialog(this);
    if (dialogs_.runDialog(characterDialog) != QDialog::Accepted) return;
    Account* added = accounts_.addAccount(
        accountDialog.accountName(), accountDialog.realm(), characterDialog.name(),
        characterDialog.level(), characterDialog.characterClass(), characterDialog.characterType());
    showAccount(added);
}

void SelectCharacterDialog::deleteAccount() {
    if (shownAccount_ == nullptr) return;
    if (!canDeleteAccount()) {
        confirm(kCannotDeleteAccount, fromLocalBytes(text(TextOnlyAccount)));
        return;
    }
    if (!confirm(kConfirm, confirmationMessage("ACCOUNT", shownAccount_->name))) return;
    Account* instead = accounts_.deleteAccount(shownAccount_);
    // The cards still point into the deleted account: bind them at once.
    showAccount(instead);
}

void SelectCharacterDialog::importFromSave() {
    if (shownAccount_ == nullptr) return;
    const auto saveFolder = savefile::findSaveFolder(
        toLocalBytes(QDir::homePath()), toLocalBytes(qEnvironmentVariable("WINEPREFIX")));
    const QString chosen = dialogs_.chooseOpenFile(
        this, ImportSummaryDialog::kTitle,
        saveFolder ? fromLocalBytes(saveFolder->string()) : QString(), kSaveFileFilter);
    if (chosen.isEmpty()) return;
    const std::filesystem::path file = toLocalBytes(chosen);
    const savefile::SaveFileReading reading = savefile::SaveFileReader::readFile(file);
    Character* selected = isSlot(selectedSlot_) && shownAccount_->characters[selectedSlot_].inUse
                              ? &shownAccount_->characters[selectedSlot_]
                              : nullptr;
    ImportSummaryDialog summary(file, reading, runes_, *shownAccount_,
                                selected ? fromLocalBytes(selected->name) : QString(), this);
    if (dialogs_.runDialog(summary) != QDialog::Accepted || !reading.ok()) return;

    if (reading.summary->kind == savefile::SaveFileKind::SharedStash) {
        if (selected != nullptr)
            savefile::importStash(*selected, *reading.summary, summary.stashImport());
        return;
    }
    const auto slot = savefile::importCharacter(accounts_, *shownAccount_, *reading.summary);
    if (!slot) {
        confirm(kCannotAddCharacter, fromLocalBytes(text(TextAccountFull)));
        return;
    }
    card(*slot).loadPortrait(*shownAccount_);
    selectedSlot_ = -1;
    selectSlot(*slot);
}

bool SelectCharacterDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const auto found = std::find(cards_.begin(), cards_.end(), watched);
        if (found != cards_.end()) {
            // A free slot is not selected; the dialog then closes with the selection it had.
            selectSlot(static_cast<int>(found - cards_.begin()));
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace sockwright
