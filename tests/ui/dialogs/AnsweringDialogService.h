#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "support/FindControl.h"
#include "ui/DialogService.h"
#include "ui/dialogs/ConfirmationDialog.h"

namespace sockwright::testing {

// What a user does with a dialog: fill it, press its buttons; the dialog's result.
using Answer = std::function<int(QDialog&)>;

inline int pressButton(QDialog& dialog, const char* name) {
    findControl<QAbstractButton>(dialog, QString::fromLatin1(name)).click();
    return dialog.result();
}
inline int pressOk(QDialog& dialog) {
    return pressButton(dialog, "ok");
}
inline int pressCancel(QDialog& dialog) {
    return pressButton(dialog, "cancel");
}

// Runs no dialog modally: each is answered by the next answer the test queued, or by its OK
// button when none is left, and what was asked is kept.
class AnsweringDialogService : public DialogService {
  public:
    struct Asked {
        std::string className;
        QString title;
        QString message;  // of a ConfirmationDialog
    };

    int runDialog(QDialog& dialog) override {
        const auto* confirmation = qobject_cast<ConfirmationDialog*>(&dialog);
        asked.push_back({dialog.metaObject()->className(), dialog.windowTitle(),
                         confirmation ? confirmation->message() : QString()});
        Answer answer = pressOk;
        if (!answers.empty()) {
            answer = std::move(answers.front());
            answers.pop_front();
        }
        return answer(dialog);
    }
    void showMessage(QWidget*, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return false; }
    void openLink(const QString&) override {}
    void showRuneDetails(QWidget*, const Rune&, const QPixmap*) override {}

    std::vector<std::string> classNames() const {
        std::vector<std::string> names;
        for (const Asked& one : asked) names.push_back(one.className);
        return names;
    }

    std::deque<Answer> answers;
    std::vector<Asked> asked;
};

}  // namespace sockwright::testing
