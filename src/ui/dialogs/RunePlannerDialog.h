#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/PropertySearch.h"
#include "engine/RunePlanner.h"
#include "model/AccountList.h"
#include "model/RuneTable.h"
#include "model/RunewordList.h"
#include "ui/dialogs/SkinnedDialog.h"

class QLineEdit;

namespace sockwright {

class LabelButton;
class PlannerList;
class RunewordView;
struct RuneImages;

// "Rune Planner": for the current character, counting the copies of each rune he holds, what he
// can make now, what he can make with the cube (and how many cube uses it takes), what is one
// rune away (grouped under the missing rune, with the cube recipe that makes it), which runes to
// hunt and a search of the runewords' properties; the selected runeword's runes, level and
// properties, its cube plan and every character on every account who could make it; his goals
// with the shopping list they make together. The lists honour the character's equipment and rune
// count filter.
//
// It changes no record itself: the goals it pins and unpins are its own copy, which the caller
// reads back with goals(); a double click on a character (or Enter) closes it with OK and that
// character chosen, for the caller to make current.
class RunePlannerDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    static inline const QString kTitle = QStringLiteral("Rune Planner");

    // Plans for the current character of the accounts. Everything given must outlive the dialog.
    RunePlannerDialog(const AccountList& accounts, std::shared_ptr<const RunewordList> runewords,
                      const RuneTable& runeTable, const RuneImages& runeImages,
                      QWidget* parent = nullptr);
    ~RunePlannerDialog() override;

    // Shows a runeword's details and who can make it, whatever list holds it.
    void showRuneword(const Runeword& runeword, std::vector<int> highlightedLines = {});
    // Opens on a runeword: selects it where a list holds it, shows it, and leaves the keyboard on
    // the characters who could make it.
    void openOn(const Runeword& runeword);
    // Types into the search box.
    void find(const QString& text);
    // The character a double click or Enter chose; set only when the dialog ended with OK that way.
    std::optional<CharacterPlace> chosenCharacter() const { return chosen_; }
    // The current character's goals as pinned and unpinned here.
    const std::vector<std::string>& goals() const { return goals_; }
    // Pins the runeword shown, or unpins it when it is a goal already.
    void togglePinShown();

    // Controls by object name: "characterLine"; the lists "canMakeNow", "canMakeWithCube",
    // "oneRuneAway", "runesToHunt", "found", "cubePlan", "whoCanMake", "goals" with their headings
    // ("canMakeNowHeading", ...); the search box "find"; the runeword view "runeword" with its
    // parts (see RunewordView); "pinGoal"; "ok". Alt+N, Alt+C, Alt+A, Alt+H, Alt+F, Alt+W and
    // Alt+G go to the lists and the search box; Alt+P pins or unpins the runeword shown.

  signals:
    void runeDetailsRequested(int runeNumber);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void createControls();
    void placeControls();
    void connectCommands();
    void fillPlanLists();
    void showFound();
    void listSelected(PlannerList* list, int row);
    // The lists whose rows are runewords, each showing its selected one in the details.
    std::array<PlannerList*, 5> runewordLists() const {
        return {canMake_, cube_, oneAway_, found_, goalsList_};
    }
    void clearDetails();
    void chooseCharacter(int row);
    void showCubePlan(const Runeword& runeword);
    void showGoals();
    void showPinState();
    PlannerList* makeList(const char* name, int secondColumn);
    LabelButton* makeHeading(const char* name, const QString& text);
    void focusList(PlannerList* list);

    const AccountList& accounts_;
    std::shared_ptr<const RunewordList> runewords_;
    const RuneTable& runeTable_;
    const RuneImages& runeImages_;
    const Character* character_ = nullptr;
    PropertySearch search_;
    std::optional<CharacterPlace> chosen_;
    std::vector<std::string> goals_;
    const Runeword* shown_ = nullptr;
    std::vector<QRect> frames_;
    std::vector<int> dividers_;  // y of the line under each list frame's heading, by frame

    LabelButton* characterLine_ = nullptr;
    LabelButton* canMakeHeading_ = nullptr;
    LabelButton* oneAwayHeading_ = nullptr;
    LabelButton* huntHeading_ = nullptr;
    LabelButton* findHeading_ = nullptr;
    LabelButton* whoHeading_ = nullptr;
    LabelButton* cubeHeading_ = nullptr;
    LabelButton* cubePlanHeading_ = nullptr;
    LabelButton* goalsHeading_ = nullptr;
    LabelButton* pin_ = nullptr;
    PlannerList* canMake_ = nullptr;
    PlannerList* oneAway_ = nullptr;
    PlannerList* hunt_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    PlannerList* found_ = nullptr;
    RunewordView* runeword_ = nullptr;
    PlannerList* who_ = nullptr;
    PlannerList* cube_ = nullptr;
    PlannerList* cubePlan_ = nullptr;
    PlannerList* goalsList_ = nullptr;
};

}  // namespace sockwright
