// The picture generator run as the build runs it, on rune files of our own.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace sockwright {
namespace {

namespace fs = std::filesystem;

// Runs the build's generator into <folder>/<into>/ and <folder>/<into>/images; its exit code, -1
// when it crashed.
int runGenerator(const testing::TempFolder& folder, const fs::path& runes, const char* into) {
    QProcess generator;
    generator.start(QStringLiteral(SOCKWRIGHT_PICTURE_GENERATOR),
                    {QString::fromStdString(runes.string()),
                     QString::fromStdString((folder.path() / into).string()),
                     QString::fromStdString((folder.path() / into / "images").string())});
    if (!generator.waitForFinished(60000)) return -1;
    return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
}

// Two runs on a rune file of our own draw the same bytes: rune pictures only for the safe names
// up to line 33, and everything else the program needs. Without a rune file nothing is drawn.
TEST(PictureGenerator, DrawsTheSamePixelsOnEveryRunForSafeRuneNamesUpToLine33) {
    testing::TempFolder folder;
    std::string text = "El:11:weapon:armour:shield\r\n../escape:11:weapon\r\n:11:weapon\r\n";
    for (int rune = 4; rune <= 34; ++rune) text += "R" + std::to_string(rune) + ":11:weapon\n";
    const fs::path runes = folder.write("runes.txt", text);
    ASSERT_EQ(runGenerator(folder, runes, "first"), 0);
    ASSERT_EQ(runGenerator(folder, runes, "second"), 0);
    for (const char* name : {"first/bmp/El.bmp", "first/bmp/selEl.bmp", "first/bmp/R33.bmp"})
        EXPECT_TRUE(folder.exists(name)) << name;
    for (const char* name :
         {"first/escape.bmp", "first/bmp/.bmp", "first/bmp/sel.bmp", "first/bmp/R34.bmp"})
        EXPECT_FALSE(folder.exists(name)) << name;
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path() / "first")) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), folder.path() / "first");
        EXPECT_EQ(folder.read(("first" / relative).string()),
                  folder.read(("second" / relative).string()))
            << relative.string();
        ++compared;
    }
    // 31 rune pairs, the blank pair, 19 equipment pairs, 8 classes, 18 faces, background, the
    // icon at 256, 32 and 16 pixels, and the resource list.
    EXPECT_EQ(compared, 62 + 2 + 38 + 8 + 18 + 1 + 3 + 1);

    EXPECT_NE(runGenerator(folder, folder.path() / "missing.txt", "none"), 0);
    EXPECT_FALSE(folder.exists("none/images/Background.bmp"));
}

}  // namespace
}  // namespace sockwright
