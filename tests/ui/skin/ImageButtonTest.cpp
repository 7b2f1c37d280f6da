#include <gtest/gtest.h>

#include <QDialog>
#include <QSignalSpy>
#include <QTest>

#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinTestTools.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

TEST(ImageButtonTest, ShowsOnlyItsPictureAtTheTopLeftInEveryState) {
    ImageButton button;
    button.setImage(solidPixmap({17, 11}, Qt::darkYellow));
    button.setText("&Up");
    button.resize(30, 20);
    EXPECT_EQ(button.sizeHint(), QSize(17, 11));
    for (const bool enabled : {true, false}) {
        button.setEnabled(enabled);
        button.setDown(enabled);
        const QImage image = render(button);
        EXPECT_EQ(countPixels(image, [](QRgb p) { return p == QColor(Qt::darkYellow).rgb(); }), 17 * 11);
        EXPECT_EQ(countPixels(image, [](QRgb p) { return qAlpha(p) != 0; }), 17 * 11) << "no caption";
    }
}

TEST(ImageButtonTest, HiddenCaptionStillGivesTheMnemonic) {
    QDialog dialog;
    auto* up = new ImageButton(&dialog);
    up->setText("&Up");
    auto* down = new ImageButton(&dialog);
    down->setText("&Down");
    QSignalSpy upClicks(up, &QAbstractButton::clicked);
    QSignalSpy downClicks(down, &QAbstractButton::clicked);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(downClicks.wait(2000));  // a mnemonic clicks after a short animation
    EXPECT_EQ(upClicks.count(), 0);
}

}  // namespace
}  // namespace sockwright
