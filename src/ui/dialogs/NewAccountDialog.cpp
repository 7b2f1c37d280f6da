#include "ui/dialogs/NewAccountDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <algorithm>

#include "model/Account.h"
#include "model/AccountList.h"
#include "ui/dialogs/SkinLineEdit.h"
#include "ui/dialogs/SkinStepper.h"
#include "ui/dialogs/SkinnedDialogParts.h"
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
constexpr int kLabelHeight = 20;
constexpr int kMessageLines = 2;
constexpr int kButtonGap = 6;

}  // namespace

NewAccountDialog::NewAccountDialog(const RealmList& realms, const AccountList& accounts,
                                   QWidget* parent)
    : SkinnedDialog(QStringLiteral("New Account"), kWhite, parent),
      realms_(realms),
      accounts_(accounts) {
    createControls();
    placeControls();
    if (realms_.empty()) showMessage(kNoRealmMessage);
    nameField_->setFocus();
}

void NewAccountDialog::createControls() {
    nameCaption_ = makeSkinLabel(this, QStringLiteral("nameCaption"), QStringLiteral("Name"));
    nameField_ = new SkinLineEdit(this);
    nameField_->setObjectName(QStringLiteral("name"));

    realmCaption_ = makeSkinLabel(this, QStringLiteral("realmCaption"), QStringLiteral("Realm"));
    realmStepper_ = new SkinStepper(QStringLiteral("realm"), QStringLiteral("Prev"),
                                    QStringLiteral("Next"), this);
    QStringList entries;
    for (const std::string& realm : realms_) entries << fromLocalBytes(realm);
    realmStepper_->setEntries(entries, kNoRealm);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    message_->setFont(skinFont(textSize::kNotice));
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, kRed);
    message_->setPalette(red);

    addButtons(Buttons::CancelThenOk);

    // A refusal is about the name and realm it was given; a change of either answers it.
    connect(realmStepper_, &SkinStepper::stepped, this, [this] { showMessage({}); });
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
    nameCaption_->setGeometry(kMargin, top + labelOffset, kCaptionWidth, kLabelHeight);
    nameField_->setGeometry(valueLeft, top, kValueWidth, fieldHeight);

    top += kRowPitch;
    realmCaption_->setGeometry(kMargin, top + labelOffset, kCaptionWidth, kLabelHeight);
    realmStepper_->placeInRow(QRect(valueLeft, top, kValueWidth, fieldHeight));

    top += kRowPitch;
    const int messageHeight = kMessageLines * QFontMetrics(message_->font()).lineSpacing();
    message_->setGeometry(kMargin, top, dialogWidth - 2 * kMargin, messageHeight);

    top += messageHeight + kButtonGap;
    const int rowHeight = placeCancelAndOk(kMargin, dialogWidth - kMargin, top);
    setFixedSize(dialogWidth, top + rowHeight + kMargin);
}

void NewAccountDialog::showMessage(const QString& text) {
    message_->setText(text);
}

void NewAccountDialog::accept() {
    if (realms_.empty()) {
        showMessage(kNoRealmMessage);
        return;
    }
    const std::string& realm = realms_[static_cast<std::size_t>(realmStepper_->index())];
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

}  // namespace sockwright
