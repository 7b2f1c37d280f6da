#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
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

// "Rune Planner": for the current character, what he can make now, what is one rune away
// (grouped under the missing rune, with the cube recipe that makes it), which runes to hunt and
// a search of the runewords' properties; the selected runeword's runes, level and properties,
// and every character on every account who could make it. The lists honour the character's
// equipment and rune count filter. It changes nothing: a double click on a character (or Enter)
// closes it with OK and that character chosen, for the caller to make current.
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

    // Controls by object name: "characterLine"; the lists "canMakeNow", "oneRuneAway",
    // "runesToHunt", "found", "whoCanMake" with their headings ("canMakeNowHeading", ...); the
    // search box "find"; the runeword view "runeword" with its parts (see RunewordView);
    // "ok". Alt+N, Alt+A, Alt+H, Alt+F and Alt+W go to the lists and the search box.

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
    void clearDetails();
    void chooseCharacter(int row);
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
    std::vector<QRect> frames_;
    std::vector<int> dividers_;  // y of the line under each list frame's heading, by frame

    LabelButton* characterLine_ = nullptr;
    LabelButton* canMakeHeading_ = nullptr;
    LabelButton* oneAwayHeading_ = nullptr;
    LabelButton* huntHeading_ = nullptr;
    LabelButton* findHeading_ = nullptr;
    LabelButton* whoHeading_ = nullptr;
    PlannerList* canMake_ = nullptr;
    PlannerList* oneAway_ = nullptr;
    PlannerList* hunt_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    PlannerList* found_ = nullptr;
    RunewordView* runeword_ = nullptr;
    PlannerList* who_ = nullptr;
};

}  // namespace sockwright
