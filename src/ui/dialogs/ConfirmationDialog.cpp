#include "ui/dialogs/ConfirmationDialog.h"

#include <QLabel>
#include <algorithm>

#include "ui/DialogUnits.h"
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
    : SkinnedDialog(kDefaultCaption, kWhite, parent),
      messageArea_(dialogUnitsAcross(messageAreaUnits.width()),
                   dialogUnitsDown(messageAreaUnits.height())),
      message_(new QLabel(this)) {
    message_->setObjectName(QStringLiteral("message"));
    // Plain text: a name in the message is shown as typed, never read as markup.
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setFont(skinFont(textSize::kLabel));

    addButtons(Buttons::OkThenCancel);
    okButton().setFocus();
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
    const int rowHeight = placeCancelAndOk(kMargin, kMargin + messageArea_.width(), buttonsTop);
    setFixedSize(messageArea_.width() + 2 * kMargin, buttonsTop + rowHeight + kMargin);
}

}  // namespace sockwright
