#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "model/Rune.h"
#include "ui/DialogService.h"

namespace sockwright::testing {

// Answers every dialog at once and keeps what was asked of it.
class RecordingDialogService : public DialogService {
  public:
    int runDialog(QDialog& dialog) override {
        dialogs.emplace_back(dialog.metaObject()->className());
        return answer ? answer(dialog) : QDialog::Accepted;
    }
    void showMessage(QWidget*, const QString& text) override { messages.push_back(text); }
    bool askYesNo(QWidget*, const QString& text) override {
        questions.push_back(text);
        return answerYes;
    }
    void openLink(const QString& link) override { links.push_back(link); }
    void showRuneDetails(QWidget*, const Rune& rune, const QPixmap* image) override {
        runeDetails.push_back(rune.number);
        runeDetailImages.push_back(image);
    }

    // Fills in or clicks through a dialog and gives its result; unset, every dialog is accepted
    // as it is.
    std::function<int(QDialog&)> answer;
    bool answerYes = true;

    std::vector<std::string> dialogs;  // class names, in order
    QStringList messages;
    QStringList questions;
    QStringList links;
    std::vector<int> runeDetails;
    std::vector<const QPixmap*> runeDetailImages;
};

}  // namespace sockwright::testing
