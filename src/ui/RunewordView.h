#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

#include "model/RuneCountFilter.h"
#include "model/RuneTable.h"
#include "model/Runeword.h"

namespace sockwright {

class DetailTextButton;
class LabelButton;
class RuneToggleButton;
struct RuneImages;

// Where the parts of a runeword view stand, in the coordinates of the window that holds it.
struct RunewordViewPlaces {
    std::array<QRect, kMaxRunesPerRuneword> runeSlots;
    QRect levelBadge;
    QRect name;  // empty: the name is not shown
    QRect properties;
};

// One runeword as the main window and the planner show it: its runes in six slots, the level it
// requires (red while the character is below it), its name and its property lines. The view
// itself draws nothing: the window behind it shows through between the parts. A click or right
// press on a slot holding a rune asks for that rune's details.
class RunewordView : public QWidget {
    Q_OBJECT
  public:
    RunewordView(const RuneTable& runeTable, QWidget* parent);

    // Takes the parts' places; the view covers them all.
    void place(const RunewordViewPlaces& places);
    // The property lines: the main window's large unwrapped ones, the planner's wrapped ones.
    DetailTextButton& properties() const { return *properties_; }
    LabelButton& name() const { return *name_; }

    void showRuneword(const Runeword& runeword, int characterLevel, const RuneImages& images,
                      std::vector<int> highlightedLines = {});
    void clearRuneword();

    // Parts by object name: "runeSlot1".."runeSlot6", "levelBadge", "runewordName", "properties".

  signals:
    void runeDetailsRequested(int runeNumber);

  private:
    const RuneTable& runeTable_;
    std::array<RuneToggleButton*, kMaxRunesPerRuneword> runeSlots_{};
    LabelButton* levelBadge_ = nullptr;
    LabelButton* name_ = nullptr;
    DetailTextButton* properties_ = nullptr;
};

}  // namespace sockwright
