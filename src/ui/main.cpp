// Sockwright: reads data/, bmp/ and char/ relative to the current folder.
#include <QApplication>

#include "ui/ProgramStart.h"
#include "ui/SystemDialogService.h"
#include "ui/skin/BuiltInImages.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sockwright"));
    // Ties the window to the installed menu entry, whose icon the desktop then shows.
    QApplication::setDesktopFileName(QStringLiteral("net.sockwright.Sockwright"));
    QApplication::setWindowIcon(sockwright::programWindowIcon());
    sockwright::SystemDialogService dialogs;
    return sockwright::startProgram(dialogs);
}
