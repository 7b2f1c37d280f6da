#include "ui/dialogs/SkinnedDialog.h"

#include <QKeyEvent>
#include <algorithm>

#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"

namespace sockwright {

SkinnedDialog::SkinnedDialog(const QString& title, const QColor& textColour, QWidget* parent)
    : QDialog(parent, kDialogWindowFlags) {
    setWindowTitle(title);
    DialogSkin::apply(*this, textColour);
}

void SkinnedDialog::addButtons(Buttons buttons) {
    const auto addCancel = [this] {
        cancel_ =
            makeFaceButton(this, QStringLiteral("cancel"), QStringLiteral("Cancel"), "Cancel");
        connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    };
    if (buttons == Buttons::CancelThenOk) addCancel();
    ok_ = makeFaceButton(this, QStringLiteral("ok"), QStringLiteral("OK"), "OK");
    // Through the virtual accept, so that a dialog may check its values before it closes.
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    if (buttons == Buttons::OkThenCancel) addCancel();
}

int SkinnedDialog::placeCancelAndOk(int left, int right, int top) {
    const int rowHeight = std::max(cancel_->height(), ok_->height());
    cancel_->move(left, top + (rowHeight - cancel_->height()) / 2);
    ok_->move(right - ok_->width(), top + (rowHeight - ok_->height()) / 2);
    return rowHeight;
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event) {
    // The picture buttons are no push buttons, so QDialog knows no default button to press.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && ok_ != nullptr) {
        auto* focused = qobject_cast<ImageButton*>(focusWidget());
        if (focused != nullptr && focused->isEnabled()) {
            focused->click();
        } else {
            ok_->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape rejects
}

}  // namespace sockwright
