#include <gtest/gtest.h>

#include "model/RuneTable.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinTestTools.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;
using Messages = std::vector<std::string>;

// A program folder with every picture of a three-rune table; rune slots 4..33 are empty.
class SkinImageLoaderTest : public ::testing::Test {
protected:
    SkinImageLoaderTest() {
        setRune(1, "El");
        setRune(2, "Eld");
        setRune(3, "Tir");
        std::vector<std::string> bases{"El", "Eld", "Tir", "Blank", "Ral"};
        for (const char* base : equipmentImageBaseNames()) bases.emplace_back(base);
        for (const std::string& base : bases) {
            writeBitmap(folder.path() / ("bmp/" + base + ".bmp"), {4, 3}, Qt::gray);
            writeBitmap(folder.path() / ("bmp/sel" + base + ".bmp"), {4, 3}, Qt::gray);
        }
        for (const std::string name : kCharacterClassNames)
            writeBitmap(folder.path() / ("char/" + name + ".bmp"), {4, 3}, Qt::gray);
    }
    void setRune(int number, std::string name) {
        Rune rune;
        rune.number = number;
        rune.name = std::move(name);
        runeTable.set(number, rune);
    }
    void remove(const std::string& name) { std::filesystem::remove(folder.path() / name); }
    Messages load() {
        const CurrentFolder current(folder.path());
        RecordingMessageSink sink;
        loadSkinImages(runeTable, images, sink);
        return sink.messages;
    }

    TempFolder folder;
    RuneTable runeTable;
    SkinImages images;
};

TEST_F(SkinImageLoaderTest, FillsEveryTableAndSkipsRuneSlotsWithoutARecord) {
    images.runes.plain[3] = solidPixmap({2, 2}, Qt::red);  // left from an earlier load
    EXPECT_EQ(load(), Messages{});
    EXPECT_EQ(images.runes.highlightedOf(3)->size(), QSize(4, 3));
    for (int number : {0, 4, 33, 34}) EXPECT_EQ(images.runes.plainOf(number), nullptr) << number;
    EXPECT_FALSE(images.blanks.highlighted.isNull());
    EXPECT_FALSE(images.equipment.highlighted[18].isNull());
    EXPECT_NE(images.classes.of(6), nullptr);
    EXPECT_EQ(images.classes.of(7), nullptr);
}

TEST_F(SkinImageLoaderTest, ReportsEachMissingOrUnreadableFileOnceInLoadingOrder) {
    for (const char* name : {"bmp/Eld.bmp", "bmp/selEld.bmp", "bmp/selTir.bmp", "bmp/selBlank.bmp",
                             "bmp/axe.bmp", "bmp/selrange.bmp", "char/DRUID.bmp"})
        remove(name);
    folder.write("bmp/selshield.bmp", "BM but no bitmap");
    EXPECT_EQ(load(), (Messages{"Failed to load all Eld images", "Failed to load all Eld images",
                                "Failed to load all Tir images", "Failed to load all Blank images",
                                "Failed to load all axe images", "Failed to load all shield images",
                                "Failed to load all range images", "Failed to load DRUID image"}));
    EXPECT_EQ(images.runes.plainOf(2), nullptr);
    EXPECT_NE(images.runes.plainOf(3), nullptr);
    EXPECT_EQ(images.runes.highlightedOf(3), nullptr);
    EXPECT_TRUE(images.equipment.plain[0].isNull());
    EXPECT_EQ(images.classes.of(3), nullptr);
}

TEST_F(SkinImageLoaderTest, RuneNamesThatCouldLeaveThePictureFolderLoadNothing) {
    writeBitmap(folder.path() / "El.bmp", {4, 3}, Qt::gray);
    setRune(1, "../El");
    setRune(2, "x\\Eld");
    setRune(3, std::string("Tir\0x", 5));  // cut short at the NUL it would open bmp/Tir.bmp
    const Messages messages = load();
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[0], "Failed to load all ../El images");
    EXPECT_EQ(messages[3], "Failed to load all x\\Eld images");
    for (int number = 1; number <= 3; ++number) EXPECT_EQ(images.runes.plainOf(number), nullptr);
    EXPECT_TRUE(loadImage(folder.path() / std::string("bmp/El.bmp\0x", 12)).isNull());
    EXPECT_FALSE(loadImage(folder.path() / "bmp/El.bmp").isNull());
}

}  // namespace
}  // namespace sockwright
