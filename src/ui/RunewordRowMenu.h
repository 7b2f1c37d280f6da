#pragma once

#include <QMenu>

class QAction;

namespace sockwright {

// The menu a right click on a runeword row of the main list opens, in the skin's list colours:
// "Who can make this?" (the action "whoCanMakeEntry") and "Pin as goal" or "Unpin goal" (the
// action "goalEntry").
class RunewordRowMenu : public QMenu {
    Q_OBJECT
  public:
    explicit RunewordRowMenu(QWidget* parent = nullptr);

    QAction& whoCanMakeEntry() const { return *whoCanMakeEntry_; }
    QAction& goalEntry() const { return *goalEntry_; }

    // The goal entry for a runeword pinned or not; goals need a current character to go to.
    void showGoal(bool pinned, bool hasCharacter);

  private:
    QAction* whoCanMakeEntry_;
    QAction* goalEntry_;
};

}  // namespace sockwright
