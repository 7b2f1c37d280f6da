#include "ui/skin/SkinStyleSheets.h"

#include "ui/skin/SkinColours.h"

namespace sockwright::styleSheet {

QString colour(const QColor& value) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(value.red()).arg(value.green()).arg(value.blue());
}

QString blackGround() {
    return QStringLiteral("background: %1").arg(colour(kBlack));
}

QString listMenu() {
    return QStringLiteral(
               "QMenu { background: %1; color: %2; border: 1px solid %3; }"
               "QMenu::item { padding: 3px 12px; }"
               "QMenu::item:selected { background: %3; color: %4; }"
               "QMenu::item:disabled { color: %5; }")
        .arg(colour(kBlack), colour(kListSelectedText), colour(kOlive), colour(kWhite),
             colour(kGrey));
}

QString lineEdit() {
    return QStringLiteral(
               "QLineEdit { background-color: %1; color: %2; border: 1px solid %3;"
               " padding: 1px 3px; selection-background-color: %3;"
               " selection-color: %2; }")
        .arg(colour(kBlack), colour(kWhite), colour(kOlive));
}

QString listScrollBar(int width) {
    return QStringLiteral(
               "QScrollBar:vertical { background: %1; width: %2px; margin: 0; }"
               "QScrollBar::handle:vertical { background: %3; min-height: 12px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
               " { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
               " { background: %1; }")
        .arg(colour(kBlack), QString::number(width), colour(kOlive));
}

}  // namespace sockwright::styleSheet
