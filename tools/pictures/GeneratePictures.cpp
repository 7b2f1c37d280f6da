// Draws every picture the program shows, on Qt's offscreen platform:
//   sockwright_pictures <runes.txt> <runtime folder> <resource image folder>
// The runtime folder receives bmp/ (rune, blank and equipment pictures, plain and "sel") and
// char/ (class pictures); the resource folder the button faces, the background, the icon and
// the Qt resource list that names them (sockwright_images.qrc).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
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
#include "model/FileContents.h"
#include "model/RuneFileReader.h"
#include "model/RuneSet.h"
#include "model/RuneTable.h"
#include "ui/skin/LocalText.h"

using namespace sockwright;
using namespace sockwright::pictures;

namespace {

// The build compiles the list by this name (SOCKWRIGHT_BUILT_IN_PICTURE_LIST).
constexpr const char* kResourceListName = "sockwright_images.qrc";

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

// A picture of few colours as an 8-bit bitmap with exactly those colours: a third of the bytes
// of a 24-bit one, and Qt reads its rows without converting each pixel. Pictures with more than
// 256 colours stay 24-bit.
bool savePaletteBitmap(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> colours;
    for (int y = 0; y < rgb.height() && colours.size() <= 256; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (!colours.contains(row[x])) colours.append(row[x]);
            if (colours.size() > 256) break;
        }
    }
    if (colours.size() > 256) return saveBitmap(image, path);
    return save(rgb.convertToFormat(QImage::Format_Indexed8, colours,
                                    Qt::ThresholdDither | Qt::AvoidDither),
                path, "BMP");
}

bool drawRuntimePictures(const RuneTable& runes, const QDir& runtime) {
    if (!runtime.mkpath("bmp") || !runtime.mkpath("char")) return false;
    const QString bmp = runtime.filePath("bmp") + "/";
    const QString portraits = runtime.filePath("char") + "/";
    bool ok = true;

    const std::vector<RuneGlyph> glyphs = RuneGlyph::distinctGlyphs(kRuneCount);
    for (int number = 1; number <= kRuneCount; ++number) {
        const Rune* rune = runes.find(number);
        if (rune == nullptr) continue;  // the rune file is shorter; the slot has no picture
        const QString name = fromLocalBytes(rune->name);
        if (!usableFileName(name)) {
            std::fprintf(stderr,
                         "sockwright_pictures: rune %d has no usable name, no picture drawn\n",
                         number);
            continue;
        }
        const RuneGlyph& glyph = glyphs[static_cast<std::size_t>(number - 1)];
        const auto seed = static_cast<std::uint64_t>(number);
        ok &= saveBitmap(RuneStonePainter::runeStone(glyph, name, seed, Light::Dim),
                         bmp + name + ".bmp");
        ok &= saveBitmap(RuneStonePainter::runeStone(glyph, name, seed, Light::Lit),
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

// The Qt resource list of the built-in pictures, beside them, naming each ":/images/<file>".
bool writeResourceList(const QDir& resources, const QStringList& files) {
    QString list = QStringLiteral(
        "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
        "  <qresource prefix=\"/images\">\n");
    for (const QString& file : files) {
        // The background is read before the window first shows: stored as it is, it is not
        // unpacked.
        const QString compression = file == QLatin1String("Background.bmp")
                                        ? QStringLiteral(" compression-algorithm=\"none\"")
                                        : QString();
        list += QStringLiteral("    <file%1>%2</file>\n").arg(compression, file);
    }
    list += QStringLiteral("  </qresource>\n</RCC>\n");
    const QByteArray bytes = list.toUtf8();
    QFile out(resources.filePath(QString::fromLatin1(kResourceListName)));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "sockwright_pictures: cannot write %s\n", qPrintable(out.fileName()));
        return false;
    }
    return true;
}

bool drawResourcePictures(const QDir& resources) {
    if (!resources.mkpath(".")) return false;
    QStringList files;
    bool ok = true;
    for (const ButtonFace& face : kButtonFaces) {
        files << fromLocalBytes(face.name) + ".bmp";
        ok &= saveBitmap(ButtonFacePainter::face(face), resources.filePath(files.back()));
    }
    files << QStringLiteral("Background.bmp");
    ok &= savePaletteBitmap(BackgroundPainter::background(), resources.filePath(files.back()));
    files << QStringLiteral("Sockwright.png");
    ok &= save(ProgramIconPainter::icon(), resources.filePath(files.back()), "PNG");
    // The window's big and small icons, drawn down from the large one.
    for (const int size : {32, 16}) {
        files << QStringLiteral("Sockwright%1.png").arg(size);
        ok &= save(ProgramIconPainter::icon(size), resources.filePath(files.back()), "PNG");
    }
    // Last, and only when every picture is there: the build takes the list for the whole run.
    return ok && writeResourceList(resources, files);
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
    const FileContents runeFile = readWholeFile(argv[1]);
    if (runeFile.status != FileReadStatus::Read) {
        std::fprintf(stderr, "sockwright_pictures: cannot read %s\n", argv[1]);
        return 1;
    }
    const bool ok =
        drawRuntimePictures(parseRuneFile(runeFile.bytes), QDir(fromLocalBytes(argv[2]))) &&
        drawResourcePictures(QDir(fromLocalBytes(argv[3])));
    return ok ? 0 : 1;
}
