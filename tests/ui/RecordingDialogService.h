#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/Rune.h"
#include "support/FindControl.h"
#include "ui/DialogService.h"
#include "ui/dialogs/ConfirmationDialog.h"

namespace sockwright::testing {

// What a user does with a dialog: fill it in, press its buttons; gives the dialog's result.
using Answer = std::function<int(QDialog&)>;

inline int pressButton(QDialog& dialog, const char* name) {
    findControl<QAbstractButton>(dialog, QString::fromLatin1(name)).click();
    return dialog.result();
}
inline const Answer pressOk = [](QDialog& dialog) { return pressButton(dialog, "ok"); };
inline const Answer pressCancel = [](QDialog& dialog) { return pressButton(dialog, "cancel"); };

// Answers every dialog at once and keeps what was asked of it.
class RecordingDialogService : public DialogService {
  public:
    int runDialog(QDialog& dialog) override {
        dialogs.emplace_back(dialog.metaObject()->className());
        titles.push_back(dialog.windowTitle());
        if (const auto* confirmation = qobject_cast<ConfirmationDialog*>(&dialog))
            confirmations.push_back(confirmation->message());
        if (!answers.empty()) {
            const Answer next = std::move(answers.front());
            answers.pop_front();
            return next(dialog);
        }
        return answer ? answer(dialog) : QDialog::Accepted;
    }
    void showMessage(QWidget*, const QString& text) override { messages.push_back(text); }
    bool askYesNo(QWidget*, const QString& text) override {
        questions.push_back(text);
        return answerYes;
    }
    void openLink(const QString& link) override { links.push_back(link); }
    // A cancelled file chooser.
    QString chooseOpenFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    void showRuneDetails(QWidget*, const Rune& rune, const QPixmap*) override {
        runeDetails.push_back(rune.number);
    }

    // Each dialog takes the first queued answer; once none is queued, `answer`; unset, every
    // dialog is accepted as it is.
    std::deque<Answer> answers;
    Answer answer;
    bool answerYes = true;

    std::vector<std::string> dialogs;  // class names, in order
    QStringList titles;                // of the same dialogs
    QStringList confirmations;         // the messages of the Confirmation dialogs
    QStringList messages;
    QStringList questions;
    QStringList links;
    std::vector<int> runeDetails;
};

}  // namespace sockwright::testing
