// Sockwright: reads data/, bmp/ and char/ relative to the current folder.
#include <QApplication>
#include <QCoreApplication>

#include "ui/CommandLine.h"
#include "ui/ProgramStart.h"
#include "ui/SystemDialogService.h"
#include "ui/skin/BuiltInImages.h"

int main(int argc, char** argv) {
    {
        // The arguments are read before the window system is reached, so that --help, --version
        // and a mistyped option work where there is no display at all.
        const QCoreApplication reader(argc, argv);
        const sockwright::CommandLine commandLine(QCoreApplication::arguments());
        if (!commandLine.opensWindow()) return commandLine.finish();
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sockwright"));
    // Ties the window to the installed menu entry, whose icon the desktop then shows.
    QApplication::setDesktopFileName(QStringLiteral("net.sockwright.Sockwright"));
    QApplication::setWindowIcon(sockwright::programWindowIcon());
    sockwright::SystemDialogService dialogs;
    return sockwright::startProgram(dialogs);
}
