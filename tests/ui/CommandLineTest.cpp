#include <gtest/gtest.h>

#include <QRegularExpression>

#include "savefile/SaveFileWriter.h"
#include "support/CurrentFolder.h"
#include "support/ShippedData.h"
#include "support/TempFolder.h"
#include "ui/CommandLine.h"

namespace sockwright {
namespace {

CommandLine read(const QStringList& options) {
    return CommandLine(QStringList{QStringLiteral("/usr/lib/sockwright/sockwright")} + options);
}

TEST(CommandLine, ListRunesPrintsEachFileAndEndsWithOneWhenAnyIsRefused) {
    const testing::TempFolder folder;
    folder.write("data/runes.txt", testing::shippedFile("runes.txt"));
    testing::TestCharacter hero;  // Runa, a level 42 paladin
    testing::TestItem helm = testing::extendedItem("cap", 3);
    helm.sockets = {testing::runeItem(8)};
    hero.items = {testing::runeItem(4), testing::runeItem(4, 4), testing::runeItem(8, 5), helm};
    folder.write("saves/Runa.d2s", testing::characterFile(hero));
    folder.write("saves/Broken.d2s", "not a save file");
    const testing::CurrentFolder inFolder(folder.path());
    qunsetenv("SOCKWRIGHT_START_FOLDER");

    const CommandLine line = read({QStringLiteral("--list-runes"), QStringLiteral("saves/Runa.d2s"),
                                   QStringLiteral("saves/Broken.d2s")});
    EXPECT_FALSE(line.opensWindow());
    EXPECT_EQ(line.exitStatus(), 1);
    EXPECT_EQ(line.standardOutput().toStdString(),
              "file: saves/Runa.d2s\n"
              "character: Runa PALADIN 42\n"
              "rune Nef loose 2 socketed 0\n"
              "rune Ral loose 1 socketed 1\n"
              "file: saves/Broken.d2s\n"
              "error: it is not a save file of the game\n");

    // Without the program's rune file no rune can be named.
    std::filesystem::remove(folder.path() / "data/runes.txt");
    const CommandLine noRunes =
        read({QStringLiteral("--list-runes"), QStringLiteral("saves/Runa.d2s")});
    EXPECT_EQ(noRunes.exitStatus(), 1);
    EXPECT_TRUE(noRunes.errorOutput().contains(QStringLiteral("runes.txt")));
}

}  // namespace
}  // namespace sockwright
