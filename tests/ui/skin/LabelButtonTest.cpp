#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "ui/skin/DetailTextButton.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinTestTools.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

bool is(QRgb pixel, const QColor& colour) { return pixel == colour.rgb(); }

TEST(LabelButtonTest, BlackGroundTextFromTheTopInItsColourAndPlace) {
    LabelButton label;
    label.resize(300, 80);
    label.setText("CLVL\n99");
    QImage image = render(label);
    EXPECT_EQ(countPixels(image, [](QRgb p) { return p == qRgb(0, 0, 0); }, {0, 60, 300, 20}), 6000);
    EXPECT_GT(countPixels(image, [](QRgb p) { return is(p, kWhite); }), 0);
    EXPECT_EQ(inkBands(image, label.rect()), 2);
    EXPECT_LT(inkBounds(image).top(), 8) << "not centred vertically";
    EXPECT_NEAR(inkBounds(image).center().x(), 150, 3);

    label.textColour = kGrey;
    label.setLeft();
    image = render(label);
    EXPECT_GT(countPixels(image, [](QRgb p) { return is(p, kGrey); }), 0);
    EXPECT_EQ(countPixels(image, [](QRgb p) { return qRed(p) > 155; }), 0);
    EXPECT_LT(inkBounds(image).left(), 5);
    label.setRight();
    EXPECT_GT(inkBounds(render(label)).right(), 294);
}

TEST(LabelButtonTest, LongLinesAreNeverWrapped) {
    LabelButton label;
    label.resize(60, 80);
    label.setText("LEVEL NINETY NINE SORCERESS");
    EXPECT_EQ(inkBands(render(label), label.rect()), 1);
}

TEST(DetailTextButtonTest, CentredLinesInTheDetailColourOnBlack) {
    DetailTextButton panel;
    panel.resize(400, 120);
    panel.setText("+20% SPEED\nADDS 3-14 COLD DAMAGE");
    const QImage image = render(panel);
    EXPECT_EQ(inkBands(image, panel.rect()), 2);
    EXPECT_NEAR(inkBounds(image.copy(0, 0, 400, 18)).center().x(), 200, 3);
    EXPECT_NEAR(inkBounds(image).center().x(), 200, 3);
    EXPECT_GT(countPixels(image, [](QRgb p) { return is(p, kDetailText); }), 0);
    EXPECT_EQ(countPixels(image, [](QRgb p) { return qRed(p) > 89 || qBlue(p) < qRed(p); }), 0);
}

TEST(DialogSkinTest, BlackGroundWithTheDialogTextColour) {
    QDialog dialog;
    auto* label = new QLabel("REALM", &dialog);
    label->setGeometry(10, 10, 100, 20);
    auto* edit = new QLineEdit("NAME", &dialog);
    edit->setGeometry(10, 40, 100, 24);
    DialogSkin::apply(dialog, kRed);
    const QImage image = dialog.grab(QRect(0, 0, 120, 70)).toImage();
    const auto red = [](QRgb p) { return qRed(p) > 100 && qGreen(p) < 60 && qBlue(p) < 60; };
    EXPECT_GT(countPixels(image, red, {10, 10, 100, 20}), 0);
    EXPECT_GT(countPixels(image, red, {10, 40, 100, 24}), 0);
    for (const QPoint at : {QPoint(115, 5), QPoint(105, 15), QPoint(100, 52)})
        EXPECT_EQ(image.pixel(at), qRgb(0, 0, 0)) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace sockwright
