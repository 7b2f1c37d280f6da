#include "ui/UpdateFlow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <optional>
#include <string>

#include "Texts.h"
#include "model/ProgramState.h"
#include "model/RunewordFileReader.h"
#include "ui/DialogMessageSink.h"
#include "ui/DialogService.h"
#include "ui/dialogs/UpdateDialog.h"
#include "ui/skin/LocalText.h"
#include "update/InstallationIdStore.h"
#include "update/RunewordDownload.h"
#include "update/VersionText.h"

namespace sockwright {
namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
            return true;
        default:
            return false;
    }
}

}  // namespace

UpdateFlow::UpdateFlow(ProgramState& state, DialogService& dialogs, QDialog& window)
    : QObject(&window), state_(state), dialogs_(dialogs), window_(window) {
    connect(&window_, &QDialog::finished, this, &UpdateFlow::cancelDownload);
}

UpdateFlow::~UpdateFlow() {
    setBusy(false);
}

void UpdateFlow::startCheck() {
    if (!state_.settings.checkForUpdates) return;
    const std::optional<std::string> id = InstallationIdStore().installationId();
    if (!id) return;  // no id could be made: the server is not asked
    check_ = new UpdateCheck(server_, this);
    connect(check_, &UpdateCheck::versionsFound, this, &UpdateFlow::versionsFound);
    check_->start(*id);
}

void UpdateFlow::versionsFound(const ServerVersions& versions) {
    const bool newerProgram = isNewer(versions.program, state_.settings.programVersion);
    const bool newerRunewords = isNewer(versions.runewords, state_.runeDataVersion);
    // Once offered, an update stays offered for the rest of the run.
    newProgramAvailable_ = newProgramAvailable_ || newerProgram;
    newRunewordsAvailable_ = newRunewordsAvailable_ || newerRunewords;
    if (newerProgram || newerRunewords) emit updateOffered();
}

void UpdateFlow::run() {
    if (downloading()) return;
    if (newProgramAvailable_) {
        if (showMessage(TextNewProgramVersion) == QDialog::Accepted) openHomePage();
        return;
    }
    if (!newRunewordsAvailable_ || showMessage(TextNewRunewords) != QDialog::Accepted) return;
    download_ = std::make_unique<RunewordDownload>(server_);
    connect(download_.get(), &RunewordDownload::finished, this, &UpdateFlow::downloadEnded);
    setBusy(true);
    download_->start(state_.dataFolder, state_.runeTable);
}

bool UpdateFlow::downloading() const {
    return download_ != nullptr && download_->running();
}

void UpdateFlow::downloadEnded(bool stored) {
    setBusy(false);
    if (!stored) {
        if (showMessage(TextRunewordDownloadFailed) == QDialog::Accepted) openHomePage();
        return;
    }
    showMessage(TextRunewordsUpdated);

    DialogMessageSink messages(dialogs_, &window_);
    switch (loadRunewords(state_, messages)) {
        case RunewordLoadResult::Loaded:
            emit runewordsReloaded();
            return;
        case RunewordLoadResult::Failed:
            showMessage(TextRunewordReloadFailed);
            break;
        case RunewordLoadResult::Corrupt:  // its message has been shown
            break;
    }
    emit runewordsUnloadable();
}

void UpdateFlow::cancelDownload() {
    if (!downloading()) return;
    download_->cancel();
    setBusy(false);
}

void UpdateFlow::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
        QGuiApplication::restoreOverrideCursor();
    }
}

bool UpdateFlow::eventFilter(QObject* watched, QEvent* event) {
    if (!busy_ || !isUserInput(event->type())) return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_) return false;
    // Taken here: an accepted shortcut override also keeps the key from every shortcut.
    event->accept();
    return true;
}

int UpdateFlow::showMessage(int textId) {
    UpdateDialog dialog(&window_);
    dialog.setCaption(QStringLiteral("Sockwright Update"));
    dialog.setMessage(fromLocalBytes(text(textId)));
    return dialogs_.runDialog(dialog);
}

void UpdateFlow::openHomePage() {
    dialogs_.openLink(fromLocalBytes(text(TextHomePage)));
}

}  // namespace sockwright
