#pragma once

#include "ui/DialogService.h"

namespace sockwright {

// The program's dialogs: modal loops, message boxes and the desktop's link handler.
class SystemDialogService : public DialogService {
  public:
    int runDialog(QDialog& dialog) override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    void openLink(const QString& link) override;
    void showRuneDetails(QWidget* parent, const Rune& rune, const QPixmap* image) override;
    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                           const QString& filter) override;
    void endAllDialogs() override;

  private:
    bool ending_ = false;
};

}  // namespace sockwright
