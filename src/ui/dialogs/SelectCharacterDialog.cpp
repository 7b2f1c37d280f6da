#include "ui/dialogs/SelectCharacterDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "Texts.h"
#include "model/AccountList.h"
#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "ui/DialogService.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

constexpr int kMargin = 10;
constexpr int kGap = 10;
constexpr int kCardGapDown = 6;
constexpr int kLabelHeight = 20;
// A card's text starts 75 pixels in and 20 down, one line every 16 pixels; its picture is drawn
// one pixel in from the corner.
constexpr int kCardTextLeft = 75;
constexpr int kCardTextTop = 20;
constexpr int kCardLineHeight = 16;
constexpr int kCardTextMargin = 8;
constexpr int kMinCardWidth = 290;
constexpr int kMinCardHeight = 70;
// Below the last line: the 3-pixel selection frame and a little air.
constexpr int kCardFrameRoom = 6;
constexpr int kCardColumns = 2;

bool isSlot(int slot) {
    return slot >= 0 && slot < kCharacterSlots;
}

// Room for the widest lines a card draws (the longest class at level 99, and the type lines)
// beside the tallest class picture.
QSize cardSize(const ClassImages& classImages) {
    const QFontMetrics metrics(skinFont(LabelButton::kDefaultPointSize));
    int textWidth = 0;
    for (const char* name : kCharacterClassNames) {
        textWidth = std::max(
            textWidth,
            metrics.horizontalAdvance(QStringLiteral("LEVEL 99 %1").arg(QLatin1String(name))));
    }
    for (const char* name : kCharacterTypeNames) {
        textWidth = std::max(
            textWidth,
            metrics.horizontalAdvance(QStringLiteral("%1 CHARACTER").arg(QLatin1String(name))));
    }
    int pictureHeight = 0;
    for (const QPixmap& image : classImages.images)
        pictureHeight = std::max(pictureHeight, image.height());
    const int width = std::max(kMinCardWidth, kCardTextLeft + textWidth + kCardTextMargin);
    const int height =
        std::max({kMinCardHeight, pictureHeight + 6,
                  kCardTextTop + 2 * kCardLineHeight + metrics.height() + kCardFrameRoom});
    return {width, height};
}

QString confirmationMessage(const char* what, const std::string& name) {
    return QStringLiteral("THIS WILL PERMANENTLY DELETE THE %1 \"%2\"\nARE YOU SURE?")
        .arg(QLatin1String(what), fromLocalBytes(name));
}

}  // namespace

SelectCharacterDialog::SelectCharacterDialog(AccountList& accounts, const RealmList& realms,
                                             const ClassImages& classImages, DialogService& dialogs,
                                             QWidget* parent)
    : QDialog(parent, kDialogWindowFlags), accounts_(accounts), realms_(realms), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Select Character"));
    DialogSkin::apply(*this, kWhite);
    createControls(classImages);
    placeControls(classImages);

    shownAccount_ = accounts_.currentAccount();
    if (accounts_.indexOf(shownAccount_) < 0) shownAccount_ = accounts_.head();
    selectedSlot_ = accounts_.currentCharacter();
    showAccount();
    ok_->setFocus();
}

void SelectCharacterDialog::createControls(const ClassImages& classImages) {
    auto* deleteAccountButton =
        makeFaceButton(this, QStringLiteral("deleteAccount"), QStringLiteral("Delete"), "Delete");
    auto* previousAccountButton =
        makeFaceButton(this, QStringLiteral("previousAccount"), QStringLiteral("&Prev"), "Prev");
    accountLabel_ = makeSkinLabel(this, QStringLiteral("account"));
    auto* nextAccountButton =
        makeFaceButton(this, QStringLiteral("nextAccount"), QStringLiteral("Ne&xt"), "Next");
    auto* newAccountButton =
        makeFaceButton(this, QStringLiteral("newAccount"), QStringLiteral("New"), "New");

    for (int slot = 0; slot < kCharacterSlots; ++slot) {
        auto* card = new CharacterCard(classImages, this);
        card->setObjectName(QStringLiteral("Char%1").arg(slot + 1));
        card->installEventFilter(this);
        connect(card, &QAbstractButton::clicked, this, [this, slot] { selectSlot(slot); });
        cards_[static_cast<std::size_t>(slot)] = card;
    }

    auto* newCharacterButton =
        makeFaceButton(this, QStringLiteral("newCharacter"), QStringLiteral("&New"), "New");
    auto* deleteCharacterButton = makeFaceButton(this, QStringLiteral("deleteCharacter"),
                                                 QStringLiteral("&Delete"), "Delete");
    auto* editCharacterButton =
        makeFaceButton(this, QStringLiteral("editCharacter"), QStringLiteral("&Edit"), "Edit");
    auto* cancel =
        makeFaceButton(this, QStringLiteral("cancel"), QStringLiteral("Cancel"), "Cancel");
    ok_ = makeFaceButton(this, QStringLiteral("ok"), QStringLiteral("OK"), "OK");

    connect(deleteAccountButton, &QAbstractButton::clicked, this,
            &SelectCharacterDialog::deleteAccount);
    connect(previousAccountButton, &QAbstractButton::clicked, this,
            &SelectCharacterDialog::showPreviousAccount);
    connect(nextAccountButton, &QAbstractButton::clicked, this,
            &SelectCharacterDialog::showNextAccount);
    connect(newAccountButton, &QAbstractButton::clicked, this, &SelectCharacterDialog::newAccount);
    connect(newCharacterButton, &QAbstractButton::clicked, this,
            &SelectCharacterDialog::newCharacter);
    connect(deleteCharacterButton, &QAbstractButton::clicked, this,
            &SelectCharacterDialog::deleteCharacter);
    connect(editCharacterButton, &QAbstractButton::clicked, this,
            &SelectCharacterDialog::editCharacter);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
}

void SelectCharacterDialog::placeControls(const ClassImages& classImages) {
    const QSize card = cardSize(classImages);
    const int contentWidth = kCardColumns * card.width() + (kCardColumns - 1) * kGap;
    const auto button = [this](const char* name) {
        return findChild<ImageButton*>(QLatin1String(name));
    };

    // The account row: Delete, Prev, the account, Next, New.
    ImageButton* deleteAccountButton = button("deleteAccount");
    ImageButton* previous = button("previousAccount");
    ImageButton* next = button("nextAccount");
    ImageButton* newAccountButton = button("newAccount");
    const int topRow = std::max(deleteAccountButton->height(), newAccountButton->height());
    const auto centreIn = [](QWidget& widget, int x, int top, int height) {
        widget.move(x, top + (height - widget.height()) / 2);
    };
    centreIn(*deleteAccountButton, kMargin, kMargin, topRow);
    centreIn(*previous, deleteAccountButton->geometry().right() + 1 + kGap, kMargin, topRow);
    centreIn(*newAccountButton, kMargin + contentWidth - newAccountButton->width(), kMargin,
             topRow);
    centreIn(*next, newAccountButton->x() - kGap - next->width(), kMargin, topRow);
    const int labelLeft = previous->geometry().right() + 1 + kGap;
    accountLabel_->setGeometry(labelLeft, kMargin + (topRow - kLabelHeight) / 2 + 2,
                               next->x() - kGap - labelLeft, kLabelHeight);

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
    int bottomRow = 0;
    for (const char* name : {"newCharacter", "deleteCharacter", "editCharacter", "cancel", "ok"})
        bottomRow = std::max(bottomRow, button(name)->height());
    int x = kMargin;
    for (const char* name : {"newCharacter", "deleteCharacter", "editCharacter"}) {
        centreIn(*button(name), x, bottomTop, bottomRow);
        x += button(name)->width() + kGap;
    }
    centreIn(*ok_, kMargin + contentWidth - ok_->width(), bottomTop, bottomRow);
    ImageButton* cancel = button("cancel");
    centreIn(*cancel, ok_->x() - kGap - cancel->width(), bottomTop, bottomRow);

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

void SelectCharacterDialog::keyPressEvent(QKeyEvent* event) {
    if (pressOnEnter(*this, *event, *ok_)) return;
    QDialog::keyPressEvent(event);  // Escape answers Cancel
}

}  // namespace sockwright
