#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ui/CommandLine.h"

namespace sockwright {
namespace {

CommandLine read(const QStringList& options) {
    return CommandLine(QStringList{QStringLiteral("/usr/lib/sockwright/sockwright")} + options);
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithStatusZero) {
    for (const char* option : {"--help", "-h", "--version", "-v"}) {
        const CommandLine line = read({QString::fromLatin1(option)});
        EXPECT_TRUE(!line.opensWindow() && line.exitStatus() == 0) << option;
        EXPECT_TRUE(line.errorOutput().isEmpty()) << option;
    }
    EXPECT_TRUE(
        read({QStringLiteral("-h")}).standardOutput().contains(QStringLiteral("--version")));
    const QString version = read({QStringLiteral("--version")}).standardOutput();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Sockwright \\d+\\.\\d+\\.\\d+\\n$"))
                    .match(version)
                    .hasMatch())
        << version.toStdString();
}

TEST(CommandLine, UnknownOptionsAndArgumentsEndWithStatusTwoAndSaySo) {
    for (const QString& wrong : {QStringLiteral("--frobnicate"), QStringLiteral("--help-all"),
                                 QStringLiteral("settings.dat")}) {
        const CommandLine line = read({wrong});
        EXPECT_TRUE(!line.opensWindow() && line.standardOutput().isEmpty());
        EXPECT_EQ(line.exitStatus(), CommandLine::kUsageErrorStatus);
        const QString named = QString(wrong).remove(QRegularExpression(QStringLiteral("^-+")));
        EXPECT_TRUE(line.errorOutput().startsWith(QStringLiteral("sockwright: ")) &&
                    line.errorOutput().contains('\'' + named + '\''))
            << line.errorOutput().toStdString();
    }
}

TEST(CommandLine, QtsOwnOptionsOpenTheWindow) {
    const CommandLine line =
        read({QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-session"),
              QStringLiteral("1a2b"), QStringLiteral("-reverse")});
    EXPECT_TRUE(line.opensWindow()) << line.errorOutput().toStdString();
}

}  // namespace
}  // namespace sockwright
