#include "ui/SystemDialogService.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include "ui/MainWindow.h"
#include "ui/dialogs/RuneDetailsDialog.h"

namespace sockwright {

int SystemDialogService::runDialog(QDialog& dialog) {
    return dialog.exec();
}

void SystemDialogService::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, MainWindow::kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool SystemDialogService::askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, MainWindow::kTitle, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void SystemDialogService::openLink(const QString& link) {
    QDesktopServices::openUrl(QUrl(link));
}

void SystemDialogService::showRuneDetails(QWidget* parent, const Rune& rune, const QPixmap* image) {
    RuneDetailsDialog dialog(rune, image, parent);
    dialog.exec();
}

}  // namespace sockwright
