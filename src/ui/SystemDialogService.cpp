#include "ui/SystemDialogService.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include "ui/MainWindow.h"
#include "ui/dialogs/RuneDetailsDialog.h"

namespace sockwright {

int SystemDialogService::runDialog(QDialog& dialog) {
    if (ending_) return QDialog::Rejected;
    return dialog.exec();
}

void SystemDialogService::showMessage(QWidget* parent, const QString& text) {
    if (ending_) return;
    QMessageBox box(QMessageBox::NoIcon, MainWindow::kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool SystemDialogService::askYesNo(QWidget* parent, const QString& text) {
    if (ending_) return false;
    QMessageBox box(QMessageBox::Question, MainWindow::kTitle, text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void SystemDialogService::openLink(const QString& link) {
    QDesktopServices::openUrl(QUrl(link));
}

void SystemDialogService::showRuneDetails(QWidget* parent, const Rune& rune, const QPixmap* image) {
    if (ending_) return;
    RuneDetailsDialog dialog(rune, image, parent);
    dialog.exec();
}

QString SystemDialogService::chooseOpenFile(QWidget* parent, const QString& caption,
                                            const QString& folder, const QString& filter) {
    if (ending_) return {};
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void SystemDialogService::endAllDialogs() {
    ending_ = true;
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close()) break;
    }
    // Every modal loop ends; the innermost returns first, whatever the order here.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog != nullptr && dialog->isVisible()) dialog->reject();
    }
}

}  // namespace sockwright
