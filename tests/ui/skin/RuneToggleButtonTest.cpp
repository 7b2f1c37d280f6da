#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "support/PixelCounting.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/MaskToggleGroup.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;
using ClickRule = RuneToggleButton::ClickRule;

// A row of the rune dialog: eleven rune toggles with labels and a row toggle for all of them,
// sharing one mask word. The lit picture is larger than the plain one, whose size bounds the
// drawing.
class RuneToggleButtonTest : public ::testing::Test {
  protected:
    RuneToggleButtonTest() {
        for (int i = 0; i < 11; ++i) {
            runes[i] = new RuneToggleButton(&row);
            runes[i]->setImages(setImage, clearImage);
            runes[i]->setLabel(labels[i] = new LabelButton(&row));
            group.add(runes[i], 1u << i, ClickRule::FlipEachBit);
        }
        rowButton->setImages(setImage, clearImage);
        group.add(rowButton, 0x7FF, ClickRule::SetOrClearAll);
    }

    const QPixmap setImage = solidPixmap({28, 28}, Qt::red);
    const QPixmap clearImage = solidPixmap({20, 20}, Qt::blue);
    QWidget row;
    MaskToggleGroup group;
    RuneToggleButton* runes[11];
    LabelButton* labels[11];
    RuneToggleButton* rowButton = new RuneToggleButton(&row);
};

TEST_F(RuneToggleButtonTest, PictureAndLabelShowWhetherEveryBitIsSet) {
    RuneToggleButton pair;
    LabelButton label;
    pair.setImages(setImage, clearImage);
    pair.setLabel(&label);
    EXPECT_EQ(label.textColour(), kGrey) << "a label of a toggle without bits is grey";
    pair.bind(0x6, ClickRule::FlipEachBit);
    for (const std::uint32_t value : {0x0u, 0x2u, 0x4u, 0x6u, 0xFFu}) {
        SCOPED_TRACE(value);
        pair.setMask(value);
        const bool all = (value & 0x6) == 0x6;
        EXPECT_EQ(pair.isChecked(), all);
        const QImage image = render(pair);
        EXPECT_EQ(countColour(image, all ? Qt::red : Qt::blue, {1, 1, 20, 20}), 20 * 20);
        EXPECT_EQ(countPixels(image, [](QRgb p) { return qAlpha(p) != 0; }), 20 * 20);
        EXPECT_EQ(label.textColour(), all ? kWhite : kGrey);
    }
}

TEST_F(RuneToggleButtonTest, RowButtonSelectsTheWholeRowThenClearsIt) {
    QSignalSpy changes(&group, &MaskToggleGroup::maskChanged);
    QTest::mouseClick(runes[0], Qt::LeftButton);
    QTest::mouseClick(runes[4], Qt::LeftButton);
    EXPECT_EQ(group.mask(), 0x11u);
    EXPECT_EQ(labels[4]->textColour(), kWhite);
    EXPECT_EQ(labels[5]->textColour(), kGrey);
    for (const std::uint32_t expected : {0x7FFu, 0x0u}) {
        QTest::mouseClick(rowButton, Qt::LeftButton);
        EXPECT_EQ(group.mask(), expected);
        for (int i = 0; i < 11; ++i) {
            EXPECT_EQ(runes[i]->isChecked(), expected != 0);
            EXPECT_EQ(labels[i]->textColour(), expected ? kWhite : kGrey);
        }
        EXPECT_EQ(rowButton->currentImage().cacheKey(),
                  (expected ? setImage : clearImage).cacheKey());
    }
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(RuneToggleButtonTest, ClickWithoutGroupFlipsEachOfItsBitsAndNoOther) {
    RuneToggleButton pair;
    MaskToggleGroup word;
    word.add(&pair, 0x3, ClickRule::FlipEachBit);
    word.setMask(0x101);
    QTest::mouseClick(&pair, Qt::LeftButton);
    EXPECT_EQ(word.mask(), 0x102u);
    QTest::mouseClick(&pair, Qt::LeftButton);
    EXPECT_EQ(word.mask(), 0x101u);
    EXPECT_FALSE(pair.isChecked()) << "a click never checks the toggle by itself";
}

TEST_F(RuneToggleButtonTest, RightPressAndUnboundClicksOnlyReport) {
    RuneToggleButton& rune = *runes[2];
    QSignalSpy details(&rune, &RuneToggleButton::runeDetailsRequested);
    QTest::mouseClick(&rune, Qt::RightButton);
    EXPECT_EQ(details.count(), 0) << "no rune, no details";
    rune.setRuneNumber(17);
    QTest::mouseClick(&rune, Qt::RightButton);
    ASSERT_EQ(details.count(), 1);
    EXPECT_EQ(details.at(0).at(0).toInt(), 17);
    EXPECT_EQ(group.mask(), 0u);

    RuneToggleButton slot(&row);
    slot.setImages(QPixmap(), setImage);
    QSignalSpy slotClicks(&slot, &RuneToggleButton::slotClicked);
    QTest::mouseClick(&slot, Qt::LeftButton);
    ASSERT_EQ(slotClicks.count(), 1);
    EXPECT_EQ(slotClicks.at(0).at(0).value<RuneToggleButton*>(), &slot);
    EXPECT_EQ(slot.currentImage().cacheKey(), setImage.cacheKey()) << "unbound: the clear picture";
    slot.resize(40, 40);
    EXPECT_EQ(countColour(render(slot), Qt::red, {1, 1, 28, 28}), 28 * 28);
}

}  // namespace
}  // namespace sockwright
