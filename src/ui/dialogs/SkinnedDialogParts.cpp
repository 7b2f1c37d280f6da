#include "ui/dialogs/SkinnedDialogParts.h"

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

}  // namespace sockwright
