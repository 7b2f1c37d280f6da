#include "ui/dialogs/NewAccountDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "model/Account.h"
#include "model/AccountList.h"
#include "ui/dialogs/SkinLineEdit.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

constexpr int kMargin = 10;
constexpr int kCaptionWidth = 70;
constexpr int kColumnGap = 10;
constexpr int kValueWidth = 240;
constexpr int kRowPitch = 32;
constexpr int kArrowGap = 6;
constexpr int kLabelHeight = 20;
constexpr int kMessageLines = 2;
constexpr int kButtonGap = 6;

}  // namespace

NewAccountDialog::NewAccountDialog(const RealmList& realms, const AccountList& accounts,
                                   QWidget* parent)
    : QDialog(parent, kDialogWindowFlags), realms_(realms), accounts_(accounts) {
    setWindowTitle(QStringLiteral("New Account"));
    DialogSkin::apply(*this, kWhite);
    createControls();
    placeControls();
    if (realms_.empty()) {
        setLabelText(*realmValue_, kNoRealm);
        showMessage(kNoRealmMessage);
    } else {
        showRealm(0);
    }
    nameField_->setFocus();
}

void NewAccountDialog::createControls() {
    makeSkinLabel(this, QStringLiteral("nameCaption"), QStringLiteral("Name"));
    nameField_ = new SkinLineEdit(this);
    nameField_->setObjectName(QStringLiteral("name"));

    makeSkinLabel(this, QStringLiteral("realmCaption"), QStringLiteral("Realm"));
    auto* previous =
        makeFaceButton(this, QStringLiteral("realmPrev"), QStringLiteral("Prev"), "Prev");
    realmValue_ = makeSkinLabel(this, QStringLiteral("realmValue"));
    auto* next = makeFaceButton(this, QStringLiteral("realmNext"), QStringLiteral("Next"), "Next");

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    message_->setFont(skinFont(textSize::kNotice));
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, kRed);
    message_->setPalette(red);

    auto* cancel =
        makeFaceButton(this, QStringLiteral("cancel"), QStringLiteral("Cancel"), "Cancel");
    ok_ = makeFaceButton(this, QStringLiteral("ok"), QStringLiteral("OK"), "OK");

    connect(previous, &QAbstractButton::clicked, this, &NewAccountDialog::previousRealm);
    connect(next, &QAbstractButton::clicked, this, &NewAccountDialog::nextRealm);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok_, &QAbstractButton::clicked, this, &NewAccountDialog::accept);
    // A refusal is about the name and realm it was given; a change of either answers it.
    connect(nameField_, &QLineEdit::textEdited, this, [this] {
        if (!realms_.empty()) showMessage({});
    });
}

void NewAccountDialog::placeControls() {
    const int fieldHeight = nameField_->sizeHint().height();
    const int valueLeft = kMargin + kCaptionWidth + kColumnGap;
    const int dialogWidth = valueLeft + kValueWidth + kMargin;
    const int labelOffset = (fieldHeight - kLabelHeight) / 2 + 2;

    int top = kMargin;
    findChild<LabelButton*>(QStringLiteral("nameCaption"))
        ->setGeometry(kMargin, top + labelOffset, kCaptionWidth, kLabelHeight);
    nameField_->setGeometry(valueLeft, top, kValueWidth, fieldHeight);

    top += kRowPitch;
    findChild<LabelButton*>(QStringLiteral("realmCaption"))
        ->setGeometry(kMargin, top + labelOffset, kCaptionWidth, kLabelHeight);
    auto* previous = findChild<ImageButton*>(QStringLiteral("realmPrev"));
    auto* next = findChild<ImageButton*>(QStringLiteral("realmNext"));
    const int arrowTop = top + (fieldHeight - previous->height()) / 2;
    previous->move(valueLeft, arrowTop);
    next->move(valueLeft + kValueWidth - next->width(), arrowTop);
    const int valueTextLeft = valueLeft + previous->width() + kArrowGap;
    realmValue_->setGeometry(valueTextLeft, top + labelOffset,
                             next->x() - kArrowGap - valueTextLeft, kLabelHeight);

    top += kRowPitch;
    const int messageHeight = kMessageLines * QFontMetrics(message_->font()).lineSpacing();
    message_->setGeometry(kMargin, top, dialogWidth - 2 * kMargin, messageHeight);

    top += messageHeight + kButtonGap;
    auto* cancel = findChild<ImageButton*>(QStringLiteral("cancel"));
    const int rowHeight = std::max(cancel->height(), ok_->height());
    cancel->move(kMargin, top + (rowHeight - cancel->height()) / 2);
    ok_->move(dialogWidth - kMargin - ok_->width(), top + (rowHeight - ok_->height()) / 2);
    setFixedSize(dialogWidth, top + rowHeight + kMargin);
}

int NewAccountDialog::shownRealmIndex() const {
    const QString shown = realmValue_->text();
    const int count = static_cast<int>(realms_.size());
    // The entry shown last is taken as it is, so that two entries differing only in letter case
    // do not hold the steps on the first of them.
    if (shownIndex_ >= 0 && shownIndex_ < count && fromLocalBytes(realms_[shownIndex_]) == shown)
        return shownIndex_;
    for (int index = 0; index < count; ++index) {
        if (QString::compare(fromLocalBytes(realms_[index]), shown, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

void NewAccountDialog::showRealm(int index) {
    shownIndex_ = index;
    setLabelText(*realmValue_, fromLocalBytes(realms_[index]));
    showMessage({});
}

void NewAccountDialog::nextRealm() {
    if (realms_.empty()) return;
    const int index = shownRealmIndex();
    const int last = static_cast<int>(realms_.size()) - 1;
    showRealm(index >= 0 && index < last ? index + 1 : 0);
}

void NewAccountDialog::previousRealm() {
    if (realms_.empty()) return;
    const int index = shownRealmIndex();
    showRealm(index >= 1 ? index - 1 : static_cast<int>(realms_.size()) - 1);
}

void NewAccountDialog::showMessage(const QString& text) {
    message_->setText(text);
}

void NewAccountDialog::accept() {
    if (realms_.empty()) {
        showMessage(kNoRealmMessage);
        return;
    }
    const int index = shownRealmIndex();
    const std::string realm = index >= 0 ? realms_[index] : toLocalBytes(realmValue_->text());
    const std::string name = toLocalBytes(nameField_->text());
    // The account is made with "NoName" for an empty name; that is the name to compare.
    if (accounts_.findAccount(name.empty() ? std::string(kNoName) : name, realm) != nullptr) {
        showMessage(kAccountExistsMessage);
        return;
    }
    accountName_ = name;
    realm_ = realm;
    QDialog::accept();
}

void NewAccountDialog::keyPressEvent(QKeyEvent* event) {
    if (pressOnEnter(*this, *event, *ok_)) return;
    QDialog::keyPressEvent(event);  // Escape answers Cancel
}

}  // namespace sockwright
