#pragma once

#include <array>

#include "model/Character.h"
#include "model/RuneCountFilter.h"
#include "model/RuneCounts.h"
#include "model/RuneLogic.h"
#include "model/RuneSet.h"
#include "ui/dialogs/SkinnedSelectionDialog.h"

namespace sockwright {

class LabelButton;
class MaskToggleGroup;
class RuneToggleButton;
class RuneTable;
struct SkinImages;

// "Select Runes": the runes a character owns, how they are compared with a runeword and how
// many runes a listed runeword has. Three rows of a row button and eleven rune buttons with
// their names, then the "Rune Logic" line and the "Rune No." line with Cancel and OK.
//
// Each rune also holds a count, 0 to 999, that agrees with its toggle: a click turns a rune on
// (count 1, or the count it had) or off (0); the wheel, Shift+click and + add one, Ctrl+click and
// - take one away. A row button's set makes every 0 of its row 1 and keeps higher counts.
//
// The dialog edits its own copy of the values: the caller sets them, runs the dialog and reads
// them back after OK. A right click on a rune asks for its details through runeDetailsRequested
// and changes nothing.
class SelectRunesDialog : public SkinnedSelectionDialog {
    Q_OBJECT
  public:
    // The rune names and pictures are taken now; neither argument is kept.
    SelectRunesDialog(const RuneTable& runeTable, const SkinImages& images,
                      QWidget* parent = nullptr);

    void setSelection(const RuneSet& runes, RuneCountFilter runeCountFilter, RuneLogic runeLogic);
    void setRunes(const RuneSet& runes);
    // A value outside its range (from an edited settings file) is kept as it is and marks no
    // choice until the user picks one.
    void setRuneCountFilter(RuneCountFilter runeCountFilter);
    void setRuneLogic(RuneLogic runeLogic);
    // The counts decide the runes owned too: a rune is on exactly when it counts 1 or more.
    void setRuneCounts(const RuneCounts& counts);

    RuneSet runes() const { return draft_.runes; }
    const RuneCounts& runeCounts() const { return draft_.runeCounts; }
    RuneCountFilter runeCountFilter() const { return runeCountFilter_; }
    RuneLogic runeLogic() const { return runeLogic_; }

  signals:
    void runeDetailsRequested(int runeNumber);

  private:
    struct Choice {
        LabelButton* label;
        int value;
    };

    void buildGrid(const RuneTable& runeTable, const SkinImages& images);
    void buildChoices();
    void layOut(QSize runePicture);
    void showChoices();
    void rowChanged(int row, std::uint32_t mask);
    void stepCount(int rune, int step);
    void showCounts();

    std::array<MaskToggleGroup*, kRuneRowCount> rows_{};
    std::array<RuneToggleButton*, kRuneRowCount> rowButtons_{};
    std::array<LabelButton*, kRuneRowCount> rowLabels_{};
    std::array<RuneToggleButton*, kRuneCount> runeButtons_{};
    std::array<LabelButton*, kRuneCount> runeLabels_{};
    LabelButton* logicHeading_ = nullptr;
    LabelButton* countHeading_ = nullptr;
    // The runes and counts being edited, kept agreeing by the model's rules.
    Character draft_;
    RuneCountFilter runeCountFilter_ = kAnyRuneCount;
    RuneLogic runeLogic_ = RuneLogic::Complete;
    std::array<Choice, 3> logicChoices_{};
    std::array<Choice, 7> countChoices_{};
};

}  // namespace sockwright
