#include "ui/dialogs/SkinnedSelectionDialog.h"

#include <QPainter>

#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {

SkinnedSelectionDialog::SkinnedSelectionDialog(const QString& title, Buttons buttons,
                                               QWidget* parent)
    : SkinnedDialog(title, kRed, parent) {
    addButtons(buttons);
    // The captions are never drawn; they give the mnemonics.
    okButton().setText(QStringLiteral("&OK"));
    if (cancelButton() != nullptr) cancelButton()->setText(QStringLiteral("&Cancel"));
}

void SkinnedSelectionDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const QRect& rule : rules_) painter.fillRect(rule, kOlive);
}

}  // namespace sockwright
