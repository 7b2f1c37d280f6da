#include "ui/skin/DialogSkin.h"

#include <QPalette>
#include <QWidget>

#include "ui/skin/SkinColours.h"

namespace sockwright {

void DialogSkin::apply(QWidget& dialog, const QColor& textColour) {
    // The palette reaches every child that does not set its own, including those added later.
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, kBlack);
    palette.setColor(QPalette::Base, kBlack);
    palette.setColor(QPalette::Button, kBlack);
    palette.setColor(QPalette::WindowText, textColour);
    palette.setColor(QPalette::Text, textColour);
    palette.setColor(QPalette::ButtonText, textColour);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}

}  // namespace sockwright
