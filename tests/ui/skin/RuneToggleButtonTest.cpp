#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "support/PixelCounting.h"
#include "ui/skin/MaskToggleGroup.h"
#include "ui/skin/RuneToggleButton.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;
using ClickRule = RuneToggleButton::ClickRule;

TEST(RuneToggleButtonTest, ClicksChangeOnlyTheGroupsWordByEachRule) {
    RuneToggleButton pair;
    RuneToggleButton all;
    MaskToggleGroup word;
    word.add(&pair, 0x3, ClickRule::FlipEachBit);
    word.add(&all, 0x7, ClickRule::SetOrClearAll);
    QSignalSpy changes(&word, &MaskToggleGroup::maskChanged);
    word.setMask(0x101);
    const struct {
        RuneToggleButton* toggle;
        std::uint32_t after;
    } clicks[] = {{&pair, 0x102}, {&pair, 0x101}, {&all, 0x107}, {&all, 0x100}};
    for (const auto& click : clicks) {
        QTest::mouseClick(click.toggle, Qt::LeftButton);
        EXPECT_EQ(word.mask(), click.after);
        EXPECT_EQ(all.isChecked(), (click.after & 0x7) == 0x7) << "every toggle follows the word";
    }
    EXPECT_EQ(changes.count(), 5);
}

TEST(RuneToggleButtonTest, CountGesturesOnlyAskForAStepAndTwoOrMoreIsDrawn) {
    RuneToggleButton rune;
    MaskToggleGroup word;
    word.add(&rune, 0x4, ClickRule::FlipEachBit);
    rune.setImages(solidPixmap({20, 20}, Qt::red), solidPixmap({20, 20}, Qt::blue));
    rune.resize(rune.sizeHint());
    QSignalSpy steps(&rune, &RuneToggleButton::countStepRequested);
    QTest::mouseClick(&rune, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(word.mask(), 0x4u) << "a toggle that does not count takes Shift+click as a click";
    EXPECT_EQ(steps.count(), 0);

    rune.setCounting(true);
    const auto wheel = [&rune](int delta) {
        QWheelEvent event(QPointF(5, 5), rune.mapToGlobal(QPointF(5, 5)), {}, {0, delta},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&rune, &event);
    };
    QTest::mouseClick(&rune, Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseClick(&rune, Qt::LeftButton, Qt::ControlModifier);
    QTest::keyClick(&rune, Qt::Key_Plus);
    QTest::keyClick(&rune, Qt::Key_Minus);
    wheel(240);
    wheel(-60);
    wheel(-60);  // two half notches make one
    std::vector<int> asked;
    for (const QList<QVariant>& step : steps) asked.push_back(step.at(0).toInt());
    EXPECT_EQ(asked, (std::vector<int>{1, -1, 1, -1, 1, 1, -1}));
    EXPECT_EQ(word.mask(), 0x4u) << "no gesture toggles";

    // The count is drawn in white: light pixels on the blue picture.
    const auto lightPixels = [&rune](int count) {
        rune.setCount(count);
        return countPixels(render(rune), [](QRgb p) { return qRed(p) > 128 && qGreen(p) > 128; });
    };
    EXPECT_EQ(lightPixels(1), 0);
    EXPECT_GT(lightPixels(3), 10) << "x3 on the picture";
}

}  // namespace
}  // namespace sockwright
