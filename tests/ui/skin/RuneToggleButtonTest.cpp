#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinTestTools.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// A row of the rune dialog: eleven rune buttons with labels and a row button for all of them.
class RuneToggleButtonTest : public ::testing::Test {
protected:
    RuneToggleButtonTest() {
        for (int i = 0; i < 11; ++i) {
            runes[i] = new RuneToggleButton(&row);
            labels[i] = new LabelButton(&row);
            runes[i]->setGeometry(i * 30, 0, 30, 30);
            runes[i]->setup(&mask, 1u << i, &setImage, &clearImage, nullptr);
            runes[i]->setLabel(labels[i]);
        }
        rowButton->setup(&mask, 0x7FF, &setImage, &clearImage, &row);
        rowButton->resize(30, 30);
    }
    QRgb pixel(RuneToggleButton& button, int x, int y) { return render(button).pixel(x, y); }
    bool rowShows(bool selected) {
        render(row);
        for (LabelButton* label : labels)
            if (label->textColour != (selected ? kWhite : kGrey)) return false;
        return rowButton->currentImage() == (selected ? &setImage : &clearImage);
    }

    const QPixmap setImage = solidPixmap({20, 20}, Qt::red);
    const QPixmap clearImage = solidPixmap({20, 20}, Qt::blue);
    std::uint32_t mask = 0;
    QWidget row;
    RuneToggleButton* runes[11];
    LabelButton* labels[11];
    RuneToggleButton* rowButton = new RuneToggleButton(&row);
};

TEST_F(RuneToggleButtonTest, PictureAndLabelShowWhetherEveryBitIsSet) {
    RuneToggleButton& pair = *runes[0];
    pair.setup(&mask, 0x6, &setImage, &clearImage, nullptr);
    for (const std::uint32_t value : {0x0u, 0x2u, 0x4u, 0x6u, 0xFFu}) {
        mask = value;
        const bool all = (value & 0x6) == 0x6;
        const QImage image = render(pair);
        EXPECT_EQ(image.pixel(1, 1), QColor(all ? Qt::red : Qt::blue).rgb()) << value;
        EXPECT_EQ(image.pixel(20, 20), image.pixel(1, 1)) << value;
        EXPECT_EQ(labels[0]->textColour, all ? kWhite : kGrey) << value;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)) + qAlpha(image.pixel(21, 21)), 0) << "no fill";
    }
    // The plain picture's size bounds the drawing; without one the set picture keeps its own.
    const QPixmap big = solidPixmap({28, 28}, Qt::red);
    pair.setup(&mask, 0x6, &big, &clearImage, nullptr);
    EXPECT_EQ(qAlpha(pixel(pair, 25, 25)), 0);
    pair.setup(&mask, 0x6, &big, nullptr, nullptr);
    EXPECT_EQ(pixel(pair, 25, 25), QColor(Qt::red).rgb());
}

TEST_F(RuneToggleButtonTest, RowButtonSelectsTheWholeRowThenClearsIt) {
    click(*runes[0]);
    click(*runes[4]);
    EXPECT_EQ(mask, 0x11u);
    EXPECT_EQ(labels[4]->textColour, kWhite);
    EXPECT_EQ(labels[5]->textColour, kGrey);
    click(*rowButton);
    EXPECT_EQ(mask, 0x7FFu);
    EXPECT_TRUE(rowShows(true));
    click(*rowButton);
    EXPECT_EQ(mask, 0u);
    EXPECT_TRUE(rowShows(false));
}

TEST_F(RuneToggleButtonTest, ClickWithoutGroupFlipsEachBitAndNothingElse) {
    mask = 0x100 | 0x1;
    runes[0]->setup(&mask, 0x3, &setImage, &clearImage, nullptr);
    click(*runes[0]);
    EXPECT_EQ(mask, 0x102u);
    mask = 0x103;
    click(*runes[0]);
    EXPECT_EQ(mask, 0x100u);
    EXPECT_EQ(labels[0]->textColour, kGrey);
}

TEST_F(RuneToggleButtonTest, ButtonWithoutMaskOnlyReportsItsClicks) {
    RuneToggleButton& slot = *runes[2];
    slot.setup(nullptr, 0x1, &setImage, &clearImage, nullptr);
    QSignalSpy slotClicks(&slot, &RuneToggleButton::slotClicked);
    mask = 0x1;
    click(slot);
    ASSERT_EQ(slotClicks.count(), 1);
    EXPECT_EQ(slotClicks.at(0).at(0).value<RuneToggleButton*>(), &slot);
    EXPECT_EQ(mask, 0x1u);
    EXPECT_EQ(pixel(slot, 5, 5), QColor(Qt::blue).rgb());
    EXPECT_EQ(labels[2]->textColour, kGrey);
}

TEST_F(RuneToggleButtonTest, RightPressAsksForDetailsOnlyWhenTheButtonHoldsARune) {
    QSignalSpy details(runes[3], &RuneToggleButton::runeDetailsRequested);
    QSignalSpy clicks(runes[3], &QAbstractButton::clicked);
    click(*runes[3], Qt::RightButton);
    EXPECT_EQ(details.count(), 0);
    runes[3]->runeNumber = 17;
    click(*runes[3], Qt::RightButton);
    ASSERT_EQ(details.count(), 1);
    EXPECT_EQ(details.at(0).at(0).toInt(), 17);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(mask, 0u);
}

}  // namespace
}  // namespace sockwright
