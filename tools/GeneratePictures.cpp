// Draws every picture the program shows, on Qt's offscreen platform:
//   sockwright_pictures <runes.txt> <runtime folder> <resource image folder>
// The runtime folder receives bmp/ (rune, blank and equipment pictures, plain and "sel") and
// char/ (class pictures); the resource folder the button faces, the background and the icon.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <vector>

#include "BackgroundPainter.h"
#include "ButtonFacePainter.h"
#include "ClassEmblemPainter.h"
#include "EquipmentPainter.h"
#include "ProgramIconPainter.h"
#include "RuneGlyph.h"
#include "RuneStonePainter.h"
#include "model/CharacterClass.h"
#include "model/EquipmentMask.h"
#include "model/RuneSet.h"

using namespace sockwright;
using namespace sockwright::pictures;

namespace {

// The first field of each of the rune file's lines, by rune number (line k is rune k).
bool readRuneNames(const QString& path, std::vector<QString>& names) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QList<QByteArray> lines = file.readAll().split('\n');
    // A file that ends with a line feed has no line after it.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    for (int number = 1; number <= kRuneCount && number <= lines.size(); ++number) {
        QByteArray line = lines[number - 1];
        if (line.endsWith('\r')) line.chop(1);
        const int colon = line.indexOf(':');
        names.push_back(QString::fromLocal8Bit(colon < 0 ? line : line.left(colon)));
    }
    return true;
}

bool usableFileName(const QString& name) {
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\') &&
           !name.contains(QChar(0));
}

bool save(const QImage& image, const QString& path, const char* format) {
    if (image.isNull() || !image.save(path, format)) {
        std::fprintf(stderr, "sockwright_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool saveBitmap(const QImage& image, const QString& path) {
    return save(image.convertToFormat(QImage::Format_RGB32), path, "BMP");
}

bool drawRuntimePictures(const std::vector<QString>& runeNames, const QDir& runtime) {
    if (!runtime.mkpath("bmp") || !runtime.mkpath("char")) return false;
    const QString bmp = runtime.filePath("bmp") + "/";
    const QString portraits = runtime.filePath("char") + "/";
    bool ok = true;

    const std::vector<RuneGlyph> glyphs = RuneGlyph::distinctGlyphs(kRuneCount);
    for (std::size_t index = 0; index < runeNames.size(); ++index) {
        const QString& name = runeNames[index];
        if (!usableFileName(name)) {
            std::fprintf(stderr,
                         "sockwright_pictures: rune %zu has no usable name, no picture drawn\n",
                         index + 1);
            continue;
        }
        const std::uint64_t seed = index + 1;
        ok &= saveBitmap(RuneStonePainter::runeStone(glyphs[index], name, seed, Light::Dim),
                         bmp + name + ".bmp");
        ok &= saveBitmap(RuneStonePainter::runeStone(glyphs[index], name, seed, Light::Lit),
                         bmp + "sel" + name + ".bmp");
    }
    ok &= saveBitmap(RuneStonePainter::blankSocket(Light::Dim), bmp + "Blank.bmp");
    ok &= saveBitmap(RuneStonePainter::blankSocket(Light::Lit), bmp + "selBlank.bmp");

    for (const char* base : equipmentImageBaseNames()) {
        ok &= saveBitmap(EquipmentPainter::equipment(base, Light::Dim), bmp + base + ".bmp");
        ok &=
            saveBitmap(EquipmentPainter::equipment(base, Light::Lit), bmp + "sel" + base + ".bmp");
    }
    for (std::size_t index = 0; index < kCharacterClassNames.size(); ++index) {
        ok &= saveBitmap(ClassEmblemPainter::emblem(static_cast<int>(index)),
                         portraits + kCharacterClassNames[index] + ".bmp");
    }
    return ok;
}

bool drawResourcePictures(const QDir& resources) {
    if (!resources.mkpath(".")) return false;
    bool ok = true;
    for (const QString& face : ButtonFacePainter::faceNames()) {
        ok &= saveBitmap(ButtonFacePainter::face(face), resources.filePath(face + ".bmp"));
    }
    ok &= saveBitmap(BackgroundPainter::background(), resources.filePath("Background.bmp"));
    ok &= save(ProgramIconPainter::icon(), resources.filePath("Sockwright.png"), "PNG");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: sockwright_pictures <runes.txt> <runtime folder> <resource folder>\n");
        return 2;
    }
    std::vector<QString> runeNames;
    if (!readRuneNames(QString::fromLocal8Bit(argv[1]), runeNames)) {
        std::fprintf(stderr, "sockwright_pictures: cannot read %s\n", argv[1]);
        return 1;
    }
    const bool ok = drawRuntimePictures(runeNames, QDir(QString::fromLocal8Bit(argv[2]))) &&
                    drawResourcePictures(QDir(QString::fromLocal8Bit(argv[3])));
    return ok ? 0 : 1;
}
