#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

#include "model/ProgramState.h"
#include "ui/skin/SkinImages.h"
#include "update/UpdateServer.h"

class QAction;
class QMenu;

namespace sockwright {

class DialogService;
class ImageButton;
class LabelButton;
class RunewordListBox;
class RunewordListModel;
class RunewordRowMenu;
class RunewordView;
class UpdateFlow;

// The program's one top-level window: the runeword list of the current character, the details
// of the selected runeword and the commands that change the selection. It owns the program's
// data for the whole run. Every dialog, message, question and link goes through the dialog
// service it is given.
class MainWindow : public QDialog {
    Q_OBJECT
  public:
    static inline const QString kTitle = QStringLiteral("Brannoch's Sockwright");

    explicit MainWindow(DialogService& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the data and pictures and fills the list. False when the data could not be read:
    // the user has been told, and the window must be neither shown nor saved.
    bool initialise();

    // Refills the list from the current character's selections; nothing is selected afterwards.
    void refreshRunewordList();
    // Shows the selected runeword's runes, level and properties, or blanks them.
    void showSelectedRuneword();
    void moveDown();
    void moveUp();
    // Every request for a rune's details ends here; numbers without a rune are ignored.
    void showRuneDetails(int runeNumber) { showRuneDetailsOver(this, runeNumber); }
    // The same over another window (the Select Runes dialog).
    void showRuneDetailsOver(QWidget* parent, int runeNumber);
    // The selection dialogs: on OK the current character takes the dialog's values and the list
    // is refilled; otherwise nothing changes.
    void selectRunes();
    void selectEquipment();
    // Accounts and characters change inside the dialog at once; on OK its shown account and
    // slot become current.
    void selectCharacter();
    // The Rune Planner for the current character, showing a runeword from the start when one is
    // given. A character chosen in it becomes current as Select Character's OK makes it.
    void openPlanner(const Runeword* shown = nullptr);
    // Pins the selected runeword as a goal of the current character, or unpins it.
    void togglePinSelected();
    // "CHARACTER: realm: account: character".
    void updateCharacterLine();
    void openGamePage();
    void openHomePage();
    void openContactLink();
    void showAboutTextDialog();
    void showAboutDialog();

    // Where the update check and the download go; set before initialise() for the check.
    void setUpdateServer(const UpdateServer& server);
    // The check at start-up and what the Update button does.
    UpdateFlow& updateFlow() { return *updateFlow_; }

    // Runs the window until it ends, as exec() runs a dialog, but without making it modal: a
    // modal window is announced to the desktop as a dialog, and this is the program's main window.
    // The dialogs it opens are modal over it as before.
    int exec() override;
    // OK: saves the settings, then ends the dialog.
    void accept() override;
    // A request from outside to end the program (the session ending, Ctrl+C): saves the
    // settings as the close box does, once the data is loaded, then has the dialog service end
    // every open dialog, this window among them.
    void endAtRequest();

    ProgramState& state() { return state_; }
    // The picture tables, decoded first if start-up left some pending.
    const SkinImages& images();
    // Decodes the pictures start-up only checked; nothing when there are none.
    void decodePictures();
    bool fontFound() const { return fontFound_; }

    // Controls are found by their object names: "logo", "title", "about", "heading1".."heading4",
    // "runewordList", "up", "down", the runeword view "runeword" with its parts (see RunewordView),
    // "selectEquipment", "selectRunes", "selectCharacter", "plan", "ok", "contactLine",
    // "characterLine", "update"; the window menu's entry is the action "aboutMenuEntry", and the
    // entries a right click on a runeword row offers are named in RunewordRowMenu.

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void createControls();
    void placeControls();
    void connectCommands();
    void addWindowMenuEntry();
    void setButtonFaces();
    void setLabels();
    void remindOfMissingFont();
    void saveSettingsOrTell();

    DialogService& dialogs_;
    ProgramState state_;
    SkinImages images_;
    bool fontFound_ = false;
    bool dataLoaded_ = false;  // until then the settings in memory are not the user's
    QPixmap background_;

    // Controls, in tab order.
    ImageButton* logo_ = nullptr;
    ImageButton* title_ = nullptr;
    ImageButton* about_ = nullptr;
    std::array<LabelButton*, 4> headings_{};
    RunewordListBox* list_ = nullptr;
    ImageButton* up_ = nullptr;
    ImageButton* down_ = nullptr;
    RunewordView* runeword_ = nullptr;
    ImageButton* selectEquipment_ = nullptr;
    ImageButton* selectRunes_ = nullptr;
    ImageButton* selectCharacter_ = nullptr;
    ImageButton* plan_ = nullptr;
    ImageButton* ok_ = nullptr;
    LabelButton* contactLine_ = nullptr;
    LabelButton* characterLine_ = nullptr;
    ImageButton* update_ = nullptr;

    UpdateFlow* updateFlow_;

    RunewordListModel* model_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QAction* aboutMenuEntry_ = nullptr;
    RunewordRowMenu* rowMenu_ = nullptr;
};

}  // namespace sockwright
