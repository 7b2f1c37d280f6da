#include "ui/SystemDialogService.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include "ui/MainWindow.h"

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

void SystemDialogService::showRuneDetails(QWidget*, const Rune&, const QPixmap*) {
    // The program has no rune details window yet; the request ends here.
}

}  // namespace sockwright
