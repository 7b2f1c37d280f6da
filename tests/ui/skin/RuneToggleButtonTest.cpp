#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinTestTools.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// A row of the rune dialog: eleven rune buttons with labels and a row button for all of them.
// The lit picture is larger than the plain one, whose size bounds the drawing.
class RuneToggleButtonTest : public ::testing::Test {
  protected:
    RuneToggleButtonTest() {
        for (int i = 0; i < 11; ++i) {
            runes[i] = new RuneToggleButton(&row);
            runes[i]->setup(&mask, 1u << i, &setImage, &clearImage, nullptr);
            runes[i]->setLabel(labels[i] = new LabelButton(&row));
        }
        rowButton->setup(&mask, 0x7FF, &setImage, &clearImage, &row);
    }

    const QPixmap setImage = solidPixmap({28, 28}, Qt::red);
    const QPixmap clearImage = solidPixmap({20, 20}, Qt::blue);
    std::uint32_t mask = 0;
    QWidget row;
    RuneToggleButton* runes[11];
    LabelButton* labels[11];
    RuneToggleButton* rowButton = new RuneToggleButton(&row);
};

TEST_F(RuneToggleButtonTest, PictureAndLabelShowWhetherEveryBitIsSet) {
    runes[0]->setup(&mask, 0x6, &setImage, &clearImage, nullptr);
    for (const std::uint32_t value : {0x0u, 0x2u, 0x4u, 0x6u, 0xFFu}) {
        SCOPED_TRACE(value);
        mask = value;
        const bool all = (value & 0x6) == 0x6;
        const QImage image = render(*runes[0]);
        EXPECT_EQ(countColour(image, all ? Qt::red : Qt::blue, {1, 1, 20, 20}), 20 * 20);
        EXPECT_EQ(countPixels(image, [](QRgb p) { return qAlpha(p) != 0; }), 20 * 20);
        EXPECT_EQ(labels[0]->textColour, all ? kWhite : kGrey);
    }
}

TEST_F(RuneToggleButtonTest, RowButtonSelectsTheWholeRowThenClearsIt) {
    QTest::mouseClick(runes[0], Qt::LeftButton);
    QTest::mouseClick(runes[4], Qt::LeftButton);
    EXPECT_EQ(mask, 0x11u);
    EXPECT_EQ(labels[4]->textColour, kWhite);
    for (const std::uint32_t expected : {0x7FFu, 0x0u}) {
        QTest::mouseClick(rowButton, Qt::LeftButton);
        EXPECT_EQ(mask, expected);
        for (LabelButton* label : labels)  // at once, not only when the row is next painted
            EXPECT_EQ(label->textColour, expected ? kWhite : kGrey);
        EXPECT_EQ(rowButton->currentImage(), expected ? &setImage : &clearImage);
    }
}

TEST_F(RuneToggleButtonTest, ClickWithoutGroupFlipsEachOfItsBitsAndNoOther) {
    runes[0]->setup(&mask, 0x3, &setImage, &clearImage, nullptr);
    mask = 0x101;
    QTest::mouseClick(runes[0], Qt::LeftButton);
    EXPECT_EQ(mask, 0x102u);
    QTest::mouseClick(runes[0], Qt::LeftButton);
    EXPECT_EQ(mask, 0x101u);
}

TEST_F(RuneToggleButtonTest, RightPressAndMasklessClicksOnlyReport) {
    RuneToggleButton& slot = *runes[2];
    QSignalSpy details(&slot, &RuneToggleButton::runeDetailsRequested);
    QSignalSpy slotClicks(&slot, &RuneToggleButton::slotClicked);
    QTest::mouseClick(&slot, Qt::RightButton);
    EXPECT_EQ(details.count(), 0) << "no rune, no details";
    slot.runeNumber = 17;
    QTest::mouseClick(&slot, Qt::RightButton);
    ASSERT_EQ(details.count(), 1);
    EXPECT_EQ(details.at(0).at(0).toInt(), 17);
    EXPECT_EQ(mask, 0u);

    slot.setup(nullptr, 0x4, &setImage, &clearImage, nullptr);
    mask = 0x4;
    QTest::mouseClick(&slot, Qt::LeftButton);
    EXPECT_EQ(slotClicks.count(), 1);
    EXPECT_EQ(mask, 0x4u);
}

}  // namespace
}  // namespace sockwright
