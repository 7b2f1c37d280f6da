#include "ui/dialogs/SkinnedSelectionDialog.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {

SkinnedSelectionDialog::SkinnedSelectionDialog(const QString& title, Buttons buttons,
                                               QWidget* parent)
    : QDialog(parent, kDialogWindowFlags), ok_(new ImageButton(this)) {
    setWindowTitle(title);
    DialogSkin::apply(*this, kRed);

    // "&OK" gives OK the mnemonic Alt+O beside Enter; the caption itself is never drawn.
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setText(QStringLiteral("&OK"));
    ok_->setFace("OK");
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

    if (buttons == Buttons::OkAndCancel) {
        cancel_ = new ImageButton(this);
        cancel_->setObjectName(QStringLiteral("cancel"));
        cancel_->setText(QStringLiteral("&Cancel"));
        cancel_->setFace("Cancel");
        connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    }
}

QSize SkinnedSelectionDialog::okSize() const {
    return ok_->sizeHint();
}

QSize SkinnedSelectionDialog::cancelSize() const {
    return cancel_ ? cancel_->sizeHint() : QSize();
}

void SkinnedSelectionDialog::keyPressEvent(QKeyEvent* event) {
    // The picture buttons are no push buttons, so QDialog knows no default button to press.
    if (pressOnEnter(*this, *event, *ok_)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape rejects
}

void SkinnedSelectionDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const QRect& rule : rules_) painter.fillRect(rule, kOlive);
}

}  // namespace sockwright
