#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include "support/PixelCounting.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ElidedText.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

TEST(LabelButtonTest, TextOnBlackFromTheTopEdgeBrokenOnlyAtLineFeeds) {
    LabelButton label;
    label.resize(300, 80);
    label.setText("CLVL\n99");
    QImage image = render(label);
    EXPECT_EQ(countColour(image, kBlack, {0, 40, 300, 40}), 300 * 40);
    EXPECT_EQ(inkBands(image, label.rect()), 2);
    EXPECT_GT(countPixels(image, isInk, {0, 0, 300, 8}), 0) << "not centred vertically";
    EXPECT_EQ(countPixels(image, isInk, {120, 0, 60, 80}), countPixels(image, isInk)) << "centred";
    EXPECT_GT(countColour(image, kWhite), 0);

    label.setTextColour(kGrey);
    label.setLeft();
    image = render(label);
    EXPECT_GT(countPixels(image, isInk, {0, 0, 5, 80}), 0);
    EXPECT_GT(countColour(image, kGrey), 0);
    label.setRight();
    EXPECT_GT(countPixels(render(label), isInk, {295, 0, 5, 80}), 0);

    label.resize(60, 80);
    label.setText("LEVEL NINETY NINE SORCERESS");
    EXPECT_EQ(inkBands(render(label), label.rect()), 1) << "a long line is never wrapped";
}

TEST(ImageButtonTest, ShowsOnlyItsPictureAtTheTopLeftEvenWhenPressed) {
    ImageButton button;
    button.setImage(solidPixmap({17, 11}, Qt::darkYellow));
    button.setText("&Up");
    button.resize(30, 20);
    button.setDown(true);
    EXPECT_EQ(button.sizeHint(), QSize(17, 11));
    const QImage image = render(button);
    EXPECT_EQ(countColour(image, Qt::darkYellow, {0, 0, 17, 11}), 17 * 11);
    EXPECT_EQ(countPixels(image, [](QRgb p) { return qAlpha(p); }), 17 * 11) << "no caption";
}

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

TEST(SkinColoursTest, DetailPanelAndSkinnedDialogsDrawTheirColoursOnBlack) {
    DetailTextButton panel;
    panel.resize(400, 40);
    panel.setText("ADDS 3-14 COLD DAMAGE");
    const QImage text = render(panel);
    EXPECT_GT(countColour(text, kDetailText), 0);
    EXPECT_EQ(countPixels(text, isInk, {40, 0, 320, 40}), countPixels(text, isInk)) << "centred";

    QDialog dialog;
    (new QLineEdit("NAME", &dialog))->setGeometry(10, 10, 100, 24);
    DialogSkin::apply(dialog, kRed);
    const QImage image = dialog.grab(QRect(0, 0, 120, 40)).toImage();
    EXPECT_GT(countPixels(image, [](QRgb p) { return qRed(p) > 100 && qGreen(p) < 60; }), 0);
    EXPECT_EQ(image.pixel(100, 22), qRgb(0, 0, 0)) << "the edit's ground";
    EXPECT_EQ(image.pixel(115, 5), qRgb(0, 0, 0)) << "the dialog's ground";
}

}  // namespace
}  // namespace sockwright
