#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace sockwright {

class ImageButton;
class LabelButton;

// Pieces shared by the skinned dialogs.

// A picture button showing a built-in face, sized to the face even when its picture is missing.
// Its caption only gives the mnemonic ("Ne&xt" answers Alt+X).
ImageButton* makeFaceButton(QWidget* parent, const QString& objectName, const QString& caption,
                            std::string_view face);

// A label with the defaults of the skin (centred, 11 points, white). The text never becomes a
// keyboard shortcut, so a name holding '&' cannot steal a button's mnemonic.
LabelButton* makeSkinLabel(QWidget* parent, const QString& objectName, const QString& text = {});
void setLabelText(LabelButton& label, const QString& text);

}  // namespace sockwright
