// The picture generator run as the build runs it, on rune files of our own.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace sockwright {
namespace {

namespace fs = std::filesystem;

// The generator sits in the build's tools folder, beside the runtime folder it fills.
const QString kGenerator = QStringLiteral(SOCKWRIGHT_BUILD_RUNTIME "/../tools/sockwright_pictures");

int runGenerator(const fs::path& runeFile, const fs::path& runtime, const fs::path& resources) {
    QProcess generator;
    generator.start(kGenerator, {QString::fromStdString(runeFile.string()), QString::fromStdString(runtime.string()),
                                 QString::fromStdString(resources.string())});
    if (!generator.waitForFinished(60000)) return -1;
    return generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
}

std::string runeLine(const std::string& name) { return name + ":11:weapon:armour:shield"; }

TEST(PictureGenerator, NamesRunePicturesAfterTheRuneFileWithCrLfLinesAndTrailingLineFeed) {
    testing::TempFolder folder;
    const fs::path runes = folder.write("runes.txt", runeLine("El") + "\r\n" + runeLine("Eld") + "\r\n");
    ASSERT_EQ(runGenerator(runes, folder.path() / "runtime", folder.path() / "images"), 0);
    for (const char* name : {"El", "Eld"}) {
        EXPECT_TRUE(folder.exists(std::string("runtime/bmp/") + name + ".bmp")) << name;
        EXPECT_TRUE(folder.exists(std::string("runtime/bmp/sel") + name + ".bmp")) << name;
    }
    EXPECT_FALSE(folder.exists("runtime/bmp/.bmp"));
    EXPECT_FALSE(folder.exists("runtime/bmp/El\r.bmp"));
    // The fixed pictures do not depend on how many runes there are.
    EXPECT_TRUE(folder.exists("runtime/bmp/selBlank.bmp"));
    EXPECT_TRUE(folder.exists("runtime/bmp/selrange.bmp"));
    EXPECT_TRUE(folder.exists("runtime/char/PALADIN.bmp"));
    EXPECT_TRUE(folder.exists("images/Background.bmp"));
    EXPECT_TRUE(folder.exists("images/Sockwright.png"));
}

TEST(PictureGenerator, DrawsNoPictureForANameThatWouldLeaveTheFolderAndNoneAfterLine33) {
    testing::TempFolder folder;
    std::string text = runeLine("../escape") + "\n" + runeLine("") + "\n";
    for (int number = 3; number <= 34; ++number) text += runeLine("R" + std::to_string(number)) + "\n";
    const fs::path runes = folder.write("runes.txt", text);
    ASSERT_EQ(runGenerator(runes, folder.path() / "runtime", folder.path() / "images"), 0);
    EXPECT_FALSE(folder.exists("runtime/escape.bmp"));
    EXPECT_FALSE(folder.exists("runtime/bmp/sel../escape.bmp"));
    EXPECT_FALSE(folder.exists("runtime/bmp/.bmp"));
    EXPECT_TRUE(folder.exists("runtime/bmp/R33.bmp"));
    EXPECT_FALSE(folder.exists("runtime/bmp/R34.bmp"));
}

TEST(PictureGenerator, FailsWithoutARuneFile) {
    testing::TempFolder folder;
    EXPECT_NE(runGenerator(folder.path() / "missing.txt", folder.path() / "runtime", folder.path() / "images"), 0);
    EXPECT_FALSE(folder.exists("images/Background.bmp"));
}

TEST(PictureGenerator, DrawsTheSamePixelsOnEveryRun) {
    testing::TempFolder folder;
    const fs::path runes = fs::path(SOCKWRIGHT_SHIPPED_DATA) / "runes.txt";
    ASSERT_EQ(runGenerator(runes, folder.path() / "first", folder.path() / "first/images"), 0);
    ASSERT_EQ(runGenerator(runes, folder.path() / "second", folder.path() / "second/images"), 0);
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder.path() / "first")) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), folder.path() / "first");
        EXPECT_EQ(folder.read(("first" / relative).string()), folder.read(("second" / relative).string()))
            << relative.string();
        ++compared;
    }
    // 33 rune pairs, the blank pair, 19 equipment pairs, 7 classes, 17 faces, background, icon.
    EXPECT_EQ(compared, 66 + 2 + 38 + 7 + 17 + 2);
}

}  // namespace
}  // namespace sockwright
