// The keyboard focus mark on the controls that take the focus, and texts too long for their
// boxes shown elided (their whole text is the tooltip).
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "DialogGalleries.h"
#include "GallerySheet.h"
#include "model/Account.h"
#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "ui/MainWindowLayout.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinStyleSheets.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright::pictures {

void addFocusAndElision(GallerySheet& sheet, const QDir& runtime) {
    sheet.heading("Keyboard focus (Tab): picture button, rune toggle, card plain and selected");
    QWidget window;
    window.setStyleSheet(styleSheet::blackGround());
    window.resize(700, 100);
    auto* button = new ImageButton(&window);
    button->setFace("OK");
    button->resize(button->sizeHint());
    const QString bmp = runtime.filePath("bmp") + "/";
    auto* toggle = new RuneToggleButton(&window);
    toggle->setImages(QPixmap(bmp + "selRal.bmp"), QPixmap(bmp + "Ral.bmp"));
    toggle->setGeometry(60, 0, 38, 38);
    ClassImages classes;
    classes.images[1] =
        QPixmap(runtime.filePath(QString("char/%1.bmp").arg(kCharacterClassNames[1])));
    Character shade;
    shade.inUse = true;
    shade.name = "SHADE";
    shade.level = 86;
    shade.characterClass = 1;
    shade.characterType = kExpansionCharacter;
    auto* card = new CharacterCard(classes, &window);
    card->setGeometry(110, 0, 290, 70);
    card->character = &shade;
    auto* selectedCard = new CharacterCard(classes, &window);
    selectedCard->setGeometry(410, 0, 290, 70);
    selectedCard->character = &shade;
    selectedCard->selected = true;
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    // Away from the first button, which the window's activation may have focused already.
    window.setFocus();
    for (QWidget* control : {static_cast<QWidget*>(button), static_cast<QWidget*>(toggle),
                             static_cast<QWidget*>(card), static_cast<QWidget*>(selectedCard)}) {
        control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        sheet.add(*control, control->hasFocus() ? "keyboard focus" : "focus asked");
    }
    button->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    sheet.add(*button, "focus by a click: no mark");

    sheet.heading("Elided texts: long names on the character line, a label, a card");
    LabelButton line;
    line.resize(layout::kCharacterLine.width, layout::kCharacterLine.height);
    line.setLeft();
    line.setPointSize(textSize::kCharacterLine);
    line.setText(
        "CHARACTER: USEast: AVERYLONGACCOUNTNAMEINDEED: ANEVENLONGERCHARACTERNAMETHATRUNSON");
    sheet.add(line, "character line");
    LabelButton account;
    account.resize(190, 20);
    account.setText("USEast: AVERYLONGACCOUNTNAMEINDEED");
    sheet.add(account, "account label");
    Character longName = shade;
    longName.name = "ANEVENLONGERCHARACTERNAMETHATRUNSON";
    CharacterCard longCard(classes);
    longCard.resize(290, 70);
    longCard.character = &longName;
    sheet.add(longCard, "card");
}

}  // namespace sockwright::pictures
