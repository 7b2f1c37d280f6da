#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ui/CommandLine.h"

namespace sockwright {
namespace {

CommandLine read(const QStringList& options) {
    return CommandLine(QStringList{QStringLiteral("/usr/lib/sockwright/sockwright")} + options);
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutAWindow) {
    for (const char* option : {"--help", "-h"}) {
        SCOPED_TRACE(option);
        const CommandLine help = read({QString::fromLatin1(option)});
        EXPECT_FALSE(help.opensWindow());
        EXPECT_EQ(help.exitStatus(), 0);
        EXPECT_TRUE(help.standardOutput().contains(QStringLiteral("--version")));
        EXPECT_FALSE(help.standardOutput().contains(QStringLiteral("-style")))
            << "Qt's own options are not the program's";
        EXPECT_TRUE(help.errorOutput().isEmpty());
    }
    for (const char* option : {"--version", "-v"}) {
        const CommandLine version = read({QString::fromLatin1(option)});
        EXPECT_FALSE(version.opensWindow());
        EXPECT_EQ(version.exitStatus(), 0);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Sockwright \\d+\\.\\d+\\.\\d+\\n$"))
                        .match(version.standardOutput())
                        .hasMatch())
            << version.standardOutput().toStdString();
    }
}

TEST(CommandLine, UnknownOptionsAndArgumentsEndWithStatusTwoAndSaySo) {
    for (const QString& wrong : {QStringLiteral("--frobnicate"), QStringLiteral("-x"),
                                 QStringLiteral("--help-all"), QStringLiteral("settings.dat")}) {
        SCOPED_TRACE(wrong.toStdString());
        const CommandLine line = read({wrong});
        EXPECT_FALSE(line.opensWindow());
        EXPECT_EQ(line.exitStatus(), CommandLine::kUsageErrorStatus);
        EXPECT_TRUE(line.standardOutput().isEmpty());
        EXPECT_TRUE(line.errorOutput().startsWith(QStringLiteral("sockwright: ")));
        QString named = wrong;
        while (named.startsWith('-')) named.remove(0, 1);
        EXPECT_TRUE(line.errorOutput().contains('\'' + named + '\''));
        EXPECT_TRUE(line.errorOutput().contains(QStringLiteral("'sockwright --help'")));
    }
}

TEST(CommandLine, NothingOrQtsOwnOptionsOpenTheWindow) {
    for (const QStringList& options :
         {QStringList{}, QStringList{QStringLiteral("-style"), QStringLiteral("fusion"),
                                     QStringLiteral("-session"), QStringLiteral("1a2b"),
                                     QStringLiteral("-reverse"), QStringLiteral("-display"),
                                     QStringLiteral(":1")}}) {
        const CommandLine line = read(options);
        EXPECT_TRUE(line.opensWindow()) << line.errorOutput().toStdString();
        EXPECT_TRUE(line.standardOutput().isEmpty() && line.errorOutput().isEmpty());
    }
}

}  // namespace
}  // namespace sockwright
