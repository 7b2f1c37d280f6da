#include <gtest/gtest.h>

#include "model/RuneTable.h"
#include "support/CurrentFolder.h"
#include "support/PixelCounting.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;
using Messages = std::vector<std::string>;

// A program folder with every picture of a three-rune table; rune slots 4..33 have no record.
class SkinImageLoaderTest : public ::testing::Test {
  protected:
    SkinImageLoaderTest() {
        std::vector<std::string> bases{"El", "Eld", "Tir", "Blank"};
        for (const char* base : equipmentImageBaseNames()) bases.emplace_back(base);
        for (const std::string& base : bases) {
            writeBitmap(folder.path() / ("bmp/" + base + ".bmp"), {4, 3}, Qt::gray);
            writeBitmap(folder.path() / ("bmp/sel" + base + ".bmp"), {4, 3}, Qt::gray);
        }
        for (const std::string name : kCharacterClassNames)
            writeBitmap(folder.path() / ("char/" + name + ".bmp"), {4, 3}, Qt::gray);
        for (int n = 1; n <= 3; ++n) runeTable.set(n, Rune{.number = n, .name = bases[n - 1]});
    }
    // Runs one of the loader's steps in the program folder; the messages it showed.
    template <typename Step>
    Messages run(Step step) {
        const CurrentFolder current(folder.path());
        RecordingMessageSink sink;
        step(sink);
        return sink.messages;
    }
    Messages load() {
        return run([&](MessageSink& sink) { loadSkinImages(runeTable, images, sink); });
    }
    Messages check(SkinImages& checked) {
        return run([&](MessageSink& sink) { checkSkinImages(runeTable, checked, sink); });
    }
    Messages decode(SkinImages& checked) {
        return run([&](MessageSink& sink) { decodeSkinImages(checked, sink); });
    }

    TempFolder folder;
    RuneTable runeTable;
    SkinImages images;
};

// Loading at once and checking now with decoding later walk the same files with the same
// messages in the same order; a file whose header passes the check but whose body the decoder
// refuses is reported by the decoding. A rune slot without a record is skipped silently, and a
// rune name that would leave bmp/ loads nothing.
TEST_F(SkinImageLoaderTest, LoadingAndCheckingReportEachFailingFileOnceInOrder) {
    EXPECT_EQ(load(), Messages{});
    for (const char* name : {"bmp/Eld.bmp", "bmp/selEld.bmp", "bmp/selTir.bmp", "bmp/selBlank.bmp",
                             "bmp/axe.bmp", "bmp/selrange.bmp", "char/DRUID.bmp"})
        std::filesystem::remove(folder.path() / name);
    folder.write("bmp/selshield.bmp", "BM but no bitmap");
    // A sound file header over an information header the decoder refuses: 7 bits per pixel.
    std::string refused("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x04\0\0\0\x03\0\0\0\x01\0\x07", 29);
    refused.resize(54);
    folder.write("bmp/selclaw.bmp", refused + std::string(64, '\x7f'));
    writeBitmap(folder.path() / "El.bmp", {4, 3}, Qt::gray);
    runeTable.set(1, Rune{.number = 1, .name = "../El"});  // would reach El.bmp beside bmp/
    images.runes.plain[3] = solidPixmap({2, 2}, Qt::red);  // rune 4 has no record

    Messages checking{"Failed to load all ../El images", "Failed to load all ../El images",
                      "Failed to load all Eld images",   "Failed to load all Eld images",
                      "Failed to load all Tir images",   "Failed to load all Blank images",
                      "Failed to load all axe images",   "Failed to load all shield images",
                      "Failed to load all range images", "Failed to load DRUID image"};
    SkinImages checked = images;
    EXPECT_EQ(check(checked), checking);
    EXPECT_EQ(checked.runes.plainOf(3), nullptr) << "nothing is decoded yet";
    EXPECT_EQ(decode(checked), Messages{"Failed to load all claw images"});
    EXPECT_TRUE(checked.pending.empty());
    checking.insert(checking.begin() + 7, "Failed to load all claw images");
    EXPECT_EQ(load(), checking);

    for (const SkinImages* taken : {&images, &checked}) {
        for (int rune : {0, 1, 2, 4, 33, 34})
            EXPECT_EQ(taken->runes.plainOf(rune), nullptr) << rune;
        EXPECT_EQ(taken->runes.plainOf(3)->size(), QSize(4, 3));
        EXPECT_EQ(taken->runes.highlightedOf(3), nullptr);
        EXPECT_TRUE(taken->equipment.plain[0].isNull());
        EXPECT_TRUE(taken->equipment.highlighted[1].isNull());  // the refused claw
        EXPECT_FALSE(taken->equipment.plain[1].isNull());
        EXPECT_FALSE(taken->blanks.plain.isNull());
        EXPECT_EQ(taken->classes.of(3), nullptr);
        EXPECT_NE(taken->classes.of(6), nullptr);
    }
    // A NUL would cut the name short at bmp/El.bmp.
    EXPECT_TRUE(loadImage(folder.path() / std::string("bmp/El.bmp\0x", 12)).isNull());
}

}  // namespace
}  // namespace sockwright
