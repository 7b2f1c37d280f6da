// Draws the program icon into a freedesktop icon theme folder, at the sizes desktops ask for,
// from the same painter as the icon built into the program:
//   sockwright_icons <theme folder> <icon name>
// writes <theme folder>/<N>x<N>/apps/<icon name>.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ProgramIconPainter.h"

using sockwright::pictures::ProgramIconPainter;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sockwright_icons <theme folder> <icon name>\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    if (name.isEmpty() || name.contains('/')) {
        std::fprintf(stderr, "sockwright_icons: unusable icon name %s\n", argv[2]);
        return 2;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, ProgramIconPainter::kSize}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + "/" + name + ".png");
        if (!theme.mkpath(folder) || !ProgramIconPainter::icon(size).save(path, "PNG")) {
            std::fprintf(stderr, "sockwright_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
