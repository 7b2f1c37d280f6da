#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

#include "support/PixelCounting.h"
#include "ui/skin/ElidedText.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

TEST(ElidedTextTest, OnlyLinesTooWideEndInAnEllipsisAndThenTheWholeTextIsTheToolTip) {
    const QFontMetrics metrics(skinFont(textSize::kListRow));
    const ElidedText fits("AXES\nSWORDS", metrics, 200);
    EXPECT_TRUE(fits.shown() == "AXES\nSWORDS" && fits.toolTip().isEmpty());

    const QString text = "AXES\nPOLEARMS/STAVES/BOWS/CLAWS/DAGGERS";
    const int width = metrics.horizontalAdvance("POLEARMS/STAVES");
    const ElidedText cut(text, metrics, width);
    const QStringList lines = cut.shown().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "AXES");
    EXPECT_TRUE(lines[1].endsWith(QChar(0x2026)) || lines[1].endsWith("..."))
        << lines[1].toStdString();
    EXPECT_LE(metrics.horizontalAdvance(lines[1]), width);
    EXPECT_EQ(cut.toolTip(), text);
}

TEST(SkinButtonTest, FocusMarkShowsWhenTabBringsTheFocusAndNotWhenAClickDoes) {
    QWidget window;
    window.resize(80, 30);
    ImageButton* buttons[2];
    for (int index = 0; index < 2; ++index) {
        buttons[index] = new ImageButton(&window);
        buttons[index]->setImage(solidPixmap({30, 20}, Qt::black));
        buttons[index]->setGeometry(40 * index, 0, 30, 20);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    buttons[0]->setFocus();
    ASSERT_TRUE(buttons[0]->hasFocus());
    EXPECT_EQ(countColour(render(*buttons[0]), kOlive), 0) << "focus the program gave";

    QTest::keyClick(buttons[0], Qt::Key_Tab);
    ASSERT_TRUE(buttons[1]->hasFocus());
    EXPECT_EQ(countColour(render(*buttons[1]), kOlive), 2 * 30 + 2 * 20 - 4);

    QTest::mouseClick(buttons[0], Qt::LeftButton);
    ASSERT_TRUE(buttons[0]->hasFocus());
    EXPECT_EQ(countColour(render(*buttons[0]), kOlive), 0);
    EXPECT_EQ(countColour(render(*buttons[1]), kOlive), 0) << "the mark leaves with the focus";
}

}  // namespace
}  // namespace sockwright
