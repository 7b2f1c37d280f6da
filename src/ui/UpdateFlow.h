#pragma once

#include <QObject>
#include <memory>

#include "update/UpdateCheck.h"
#include "update/UpdateServer.h"

class QDialog;
class QEvent;

namespace sockwright {

class DialogService;
class RunewordDownload;
struct ProgramState;

// The update offer of one run, beside the main window: the check at start-up, what the Update
// button does, the download of newer runeword data and its reload, and the boxes that speak of
// them. The window is told when to show its Update button and when to refill its list.
//
// The download runs on the event loop. Meanwhile the window shows the busy cursor and takes no
// mouse or keyboard input. The window ending in any way (OK, close box, Escape, a request to end
// the program) cancels it: nothing is stored and runewords.txt stays as it was.
class UpdateFlow : public QObject {
    Q_OBJECT
  public:
    UpdateFlow(ProgramState& state, DialogService& dialogs, QDialog& window);
    ~UpdateFlow() override;

    // Where the check and the download go.
    void setServer(const UpdateServer& server) { server_ = server; }
    // Starts the check when the settings ask for it and an installation id can be had.
    void startCheck();
    // The check startCheck() started, or nullptr.
    const UpdateCheck* check() const { return check_; }
    // The check's answer: a program or runeword data newer than the user's is offered.
    void versionsFound(const ServerVersions& versions);
    // The Update button: offers the home page for a newer program, otherwise downloads, stores
    // and loads newer runeword data.
    void run();
    bool downloading() const;

  signals:
    // The server has something newer: the Update button is to be shown.
    void updateOffered();
    // New runeword data has been loaded: the list is to be refilled from it.
    void runewordsReloaded();
    // The stored runeword file could not be loaded (the user has been told): the program cannot
    // go on and ends at once, without saving.
    void runewordsUnloadable();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void downloadEnded(bool stored);
    void cancelDownload();
    void setBusy(bool busy);
    int showMessage(int textId);
    void openHomePage();

    ProgramState& state_;
    DialogService& dialogs_;
    QDialog& window_;
    UpdateServer server_;
    UpdateCheck* check_ = nullptr;
    std::unique_ptr<RunewordDownload> download_;
    bool busy_ = false;
    bool newProgramAvailable_ = false;
    bool newRunewordsAvailable_ = false;
};

}  // namespace sockwright
