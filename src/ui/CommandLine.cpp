#include "ui/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "model/BuildVersion.h"
#include "model/FileContents.h"
#include "model/RuneFileReader.h"
#include "savefile/RuneListing.h"
#include "savefile/SaveFileReader.h"
#include "ui/skin/LocalText.h"

namespace sockwright {

namespace {

// Options the application object reads itself (X11 and Qt's), with a value and without. A
// session manager restarting the program passes -session, for one.
const char* const kQtValueOptions[] = {
    "display",       "geometry", "platform",        "platformpluginpath",
    "platformtheme", "plugin",   "qwindowgeometry", "qwindowicon",
    "qwindowtitle",  "session",  "style",           "stylesheet"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount"};

void addHidden(QCommandLineParser& parser, const char* name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// The folder relative save file names are read from: the one the user started the program in.
// The launcher changes to the user's data folder before the program starts and tells it where it
// was started in SOCKWRIGHT_START_FOLDER; run directly, the current folder is that folder.
std::filesystem::path startFolder() {
    std::filesystem::path told = toLocalBytes(qEnvironmentVariable("SOCKWRIGHT_START_FOLDER"));
    if (told.is_absolute()) return told;
    std::error_code ignored;
    return std::filesystem::current_path(ignored);
}

void write(const QString& text, std::FILE* stream) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // -style as Qt reads it, not as -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Lists the runewords your character's runes and equipment can make."));
    // Qt's own help option would offer a --help-all about options that are not the program's.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the program's version and exits."));
    const QCommandLineOption listRunes(
        QStringLiteral("list-runes"),
        QStringLiteral("Prints the runes found in each game save file FILE given after the options "
                       "(a character .d2s or a shared stash .d2i) and exits, with status 1 when "
                       "any file could not be read. Relative names are read from the folder the "
                       "command was started in."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(listRunes);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A game save file, with --list-runes."),
                                 QStringLiteral("[--list-runes FILE...]"));
    for (const char* name : kQtValueOptions) addHidden(parser, name, true);
    for (const char* name : kQtFlagOptions) addHidden(parser, name, false);

    const QString programName =
        arguments.isEmpty() ? QStringLiteral("sockwright") : QFileInfo(arguments[0]).fileName();
    if (!parser.parse(arguments)) {
        refuse(programName, parser.errorText());
    } else if (parser.isSet(help)) {
        opensWindow_ = false;
        standardOutput_ = parser.helpText();
    } else if (parser.isSet(version)) {
        opensWindow_ = false;
        standardOutput_ = QStringLiteral("Sockwright %1.%2.%3\n")
                              .arg(kBuildVersionMajor)
                              .arg(kBuildVersionMinor)
                              .arg(kBuildVersionPatch);
    } else if (parser.isSet(listRunes)) {
        if (parser.positionalArguments().isEmpty()) {
            refuse(programName, QStringLiteral("--list-runes needs at least one FILE."));
        } else {
            listSaveFiles(programName, parser.positionalArguments());
        }
    } else if (!parser.positionalArguments().isEmpty()) {
        refuse(programName, QStringLiteral("Unexpected argument '%1'.")
                                .arg(parser.positionalArguments().constFirst()));
    }
}

void CommandLine::listSaveFiles(const QString& programName, const QStringList& files) {
    opensWindow_ = false;
    // The rune names are the ones the program shows, from its own rune file.
    const std::filesystem::path runeFile = std::filesystem::path("data") / "runes.txt";
    const FileContents runes = readWholeFile(runeFile);
    if (runes.status != FileReadStatus::Read) {
        exitStatus_ = 1;
        errorOutput_ =
            QStringLiteral("%1: cannot read the rune file %2\n")
                .arg(programName,
                     fromLocalBytes(
                         std::filesystem::absolute(runeFile).lexically_normal().string()));
        return;
    }
    const RuneTable runeTable = parseRuneFile(runes.bytes);
    const std::filesystem::path from = startFolder();
    for (const QString& file : files) {
        const std::filesystem::path given = toLocalBytes(file);
        const savefile::SaveFileReading reading =
            savefile::SaveFileReader::readFile(given.is_absolute() ? given : from / given);
        if (!reading.ok()) exitStatus_ = 1;
        standardOutput_ +=
            fromLocalBytes(savefile::runeListing(toLocalBytes(file), reading, runeTable));
    }
}

void CommandLine::refuse(const QString& programName, const QString& reason) {
    opensWindow_ = false;
    exitStatus_ = kUsageErrorStatus;
    errorOutput_ =
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(programName, reason);
}

int CommandLine::finish() const {
    write(standardOutput_, stdout);
    write(errorOutput_, stderr);
    return exitStatus_;
}

}  // namespace sockwright
