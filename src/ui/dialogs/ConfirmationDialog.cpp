#include "ui/dialogs/ConfirmationDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "ui/DialogUnits.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

constexpr int kMargin = 8;
constexpr int kButtonGap = 8;

}  // namespace

ConfirmationDialog::ConfirmationDialog(QWidget* parent)
    : ConfirmationDialog(kMessageArea, parent) {}

ConfirmationDialog::ConfirmationDialog(const QString& caption, const QString& message,
                                       QWidget* parent)
    : ConfirmationDialog(parent) {
    setCaption(caption);
    setMessage(message);
}

ConfirmationDialog::ConfirmationDialog(QSize messageAreaUnits, QWidget* parent)
    : QDialog(parent, kDialogWindowFlags),
      messageArea_(dialogUnitsAcross(messageAreaUnits.width()),
                   dialogUnitsDown(messageAreaUnits.height())),
      message_(new QLabel(this)),
      ok_(nullptr),
      cancel_(nullptr) {
    DialogSkin::apply(*this, kWhite);

    message_->setObjectName(QStringLiteral("message"));
    // Plain text: a name in the message is shown as typed, never read as markup.
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setFont(skinFont(textSize::kLabel));

    cancel_ = makeFaceButton(this, QStringLiteral("cancel"), QStringLiteral("Cancel"), "Cancel");
    ok_ = makeFaceButton(this, QStringLiteral("ok"), QStringLiteral("OK"), "OK");
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    setTabOrder(ok_, cancel_);
    ok_->setFocus();

    setCaption(kDefaultCaption);
    setMessage(kDefaultMessage);
}

QString ConfirmationDialog::caption() const {
    return windowTitle();
}

void ConfirmationDialog::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

QString ConfirmationDialog::message() const {
    return message_->text();
}

void ConfirmationDialog::setMessage(const QString& message) {
    message_->setText(message);
    placeControls();
}

void ConfirmationDialog::placeControls() {
    const int areaHeight =
        std::max(messageArea_.height(), message_->heightForWidth(messageArea_.width()));
    message_->setGeometry(kMargin, kMargin, messageArea_.width(), areaHeight);

    const int buttonsTop = kMargin + areaHeight + kButtonGap;
    const int rowHeight = std::max(ok_->height(), cancel_->height());
    cancel_->move(kMargin, buttonsTop + (rowHeight - cancel_->height()) / 2);
    ok_->move(kMargin + messageArea_.width() - ok_->width(),
              buttonsTop + (rowHeight - ok_->height()) / 2);
    setFixedSize(messageArea_.width() + 2 * kMargin, buttonsTop + rowHeight + kMargin);
}

void ConfirmationDialog::keyPressEvent(QKeyEvent* event) {
    if (pressOnEnter(*this, *event, *ok_)) return;
    QDialog::keyPressEvent(event);  // Escape answers Cancel
}

}  // namespace sockwright
