#include "ui/dialogs/SkinnedDialogParts.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"

namespace sockwright {

ImageButton* makeFaceButton(QWidget* parent, const QString& objectName, const QString& caption,
                            std::string_view face) {
    auto* button = new ImageButton(parent);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setFace(face);
    button->resize(button->sizeHint());
    return button;
}

LabelButton* makeSkinLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new LabelButton(parent);
    label->setObjectName(objectName);
    setLabelText(*label, text);
    return label;
}

void setLabelText(LabelButton& label, const QString& text) {
    label.setText(text);
    // setText takes the mnemonic of the text as the button's shortcut; a label has none.
    label.setShortcut(QKeySequence());
}

bool pressOnEnter(const QWidget& dialog, const QKeyEvent& event, QAbstractButton& ok) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) return false;
    auto* focused = qobject_cast<ImageButton*>(dialog.focusWidget());
    if (focused != nullptr && focused->isEnabled()) {
        focused->click();
    } else {
        ok.click();
    }
    return true;
}

}  // namespace sockwright
