#include "ui/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "model/BuildVersion.h"

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
    parser.addOption(help);
    parser.addOption(version);
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
    } else if (!parser.positionalArguments().isEmpty()) {
        refuse(programName, QStringLiteral("Unexpected argument '%1'.")
                                .arg(parser.positionalArguments().constFirst()));
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
