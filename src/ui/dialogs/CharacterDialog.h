#pragma once

#include <string>

#include "model/CharacterType.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace sockwright {

class LabelButton;
class SkinLineEdit;
class SkinStepper;

// Asks for the four descriptive values of one character: name, level, class and type. It works
// on its own copies; the caller sets them before running the dialog and reads them back after OK.
// The level field keeps only digits and holds the level between 1 and 99 while the user types;
// it may be empty while typing, and the level then stays as it was.
class CharacterDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    static inline const std::string kInitialName = "Enter Name";
    static constexpr int kInitialLevel = 1;
    static constexpr int kMinLevel = 1;
    static constexpr int kMaxLevel = 99;

    explicit CharacterDialog(QWidget* parent = nullptr);

    // The name as bytes in the system's code page, as the accounts keep it.
    const std::string& name() const { return name_; }
    void setName(const std::string& name);
    int level() const { return level_; }
    // A level outside 1 to 99 is brought to the nearer end.
    void setLevel(int level);
    int characterClass() const;
    // An index outside the class table is AMAZON (0), which is what the dialog then shows.
    void setCharacterClass(int characterClass);
    int characterType() const;
    // An index outside the type table is CLASSIC (0), which is what the dialog then shows.
    void setCharacterType(int characterType);

    // OK: takes the fields back (an empty name becomes "NoName") and closes with OK.
    void accept() override;

    // Controls by object name: "nameCaption", "name", "levelCaption", "level", "classCaption",
    // "classPrev", "classValue", "classNext", "typeCaption", "typePrev", "typeValue", "typeNext",
    // "cancel", "ok".

  private:
    void createControls();
    void placeControls();
    void showValues();
    void takeFieldsBack();
    void filterLevel();

    std::string name_ = kInitialName;
    int level_ = kInitialLevel;
    bool filteringLevel_ = false;

    LabelButton* nameCaption_ = nullptr;
    SkinLineEdit* nameField_ = nullptr;
    LabelButton* levelCaption_ = nullptr;
    SkinLineEdit* levelField_ = nullptr;
    LabelButton* classCaption_ = nullptr;
    SkinStepper* class_ = nullptr;  // wraps around the class table
    LabelButton* typeCaption_ = nullptr;
    SkinStepper* type_ = nullptr;  // wraps around the type table
};

}  // namespace sockwright
