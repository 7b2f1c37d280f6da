#include "ui/RunewordRowMenu.h"

#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinStyleSheets.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {

RunewordRowMenu::RunewordRowMenu(QWidget* parent) : QMenu(parent) {
    setStyleSheet(styleSheet::listMenu());
    // After the style sheet, which would otherwise give the menu the program's default font.
    setFont(skinFont(textSize::kListRow));
    whoCanMakeEntry_ = addAction(QStringLiteral("Who can make this?"));
    whoCanMakeEntry_->setObjectName(QStringLiteral("whoCanMakeEntry"));
    goalEntry_ = addAction(QString());
    goalEntry_->setObjectName(QStringLiteral("goalEntry"));
    showGoal(false, true);
}

void RunewordRowMenu::showGoal(bool pinned, bool hasCharacter) {
    goalEntry_->setText(pinned ? QStringLiteral("Unpin goal") : QStringLiteral("Pin as goal"));
    goalEntry_->setEnabled(hasCharacter);
}

}  // namespace sockwright
