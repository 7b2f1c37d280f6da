// The pictures built into the program: button faces, background and icon.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/PixelCounting.h"
#include "ui/MainWindowLayout.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/ButtonFaces.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

QImage face(std::string_view name) {
    return builtInImage(name).toImage().convertToFormat(QImage::Format_RGB32);
}

bool anyPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    return testing::countPixels(
               image, [&](QRgb pixel) { return test(QColor(pixel)); }, area) > 0;
}

bool isArrow(ButtonFaceArt art) {
    return art == ButtonFaceArt::ArrowLeft || art == ButtonFaceArt::ArrowRight ||
           art == ButtonFaceArt::ArrowUp || art == ButtonFaceArt::ArrowDown;
}

bool isBlack(QColor c) {
    return (c.rgb() & 0xFFFFFF) == 0;
}

QRect toQRect(const layout::Rect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

TEST(BuiltInImages, EveryFaceIsABitmapOfItsExactSizeInTheSkinsColours) {
    for (const ButtonFace& expected : kButtonFaces) {
        const QString name = fromLocalBytes(expected.name);
        SCOPED_TRACE(name.toStdString());
        QFile file(QString(":/images/%1.bmp").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(2), "BM");
        const QImage image = face(expected.name);
        EXPECT_EQ(image.size(), QSize(expected.width, expected.height));
        EXPECT_TRUE(isBlack(image.pixelColor(0, 0)));
        if (isArrow(expected.art)) {
            EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), kOlive);
            EXPECT_FALSE(anyPixel(image, image.rect(), [](QColor c) { return c.blue() > 40; }));
        } else if (expected.art != ButtonFaceArt::Logo) {  // white capitals
            EXPECT_TRUE(anyPixel(image, image.rect(), [](QColor c) { return c.value() > 240; }));
        }
    }
    EXPECT_TRUE(builtInImage("Nothing").isNull());
    EXPECT_EQ(programIcon().pixmap(256, 256).size(), QSize(256, 256));
    EXPECT_EQ(programWindowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));

    // The title carries the owner's name in dull gold above the white program name.
    const QImage title = face("Title");
    const auto gold = [](QColor c) {
        return c.red() > 120 && c.red() > c.blue() + 50 && c.green() > c.blue() + 30;
    };
    EXPECT_TRUE(anyPixel(title, QRect(0, 0, title.width(), 13), gold));
    EXPECT_FALSE(anyPixel(title, QRect(0, 16, title.width(), title.height() - 16), gold));
}

TEST(BuiltInImages, BackgroundHasOliveFramesRoundTheControlsAndIsBlackElsewhere) {
    using namespace layout;
    const QImage background = face("Background");
    ASSERT_EQ(background.size(), QSize(kBackgroundWidth, kBackgroundHeight));
    std::vector<QRect> frames{toQRect(kListFrame), toQRect(kDetailsFrame)};
    for (int slot = 0; slot < kRuneSlotCount; ++slot)
        frames.push_back(toQRect(runeSlotFrame(slot)));
    for (const QRect& r : frames) {
        const QPoint mid = r.center();
        for (const QPoint edge : {QPoint(mid.x(), r.top()), QPoint(mid.x(), r.bottom()),
                                  QPoint(r.left(), mid.y()), QPoint(r.right(), mid.y())})
            EXPECT_EQ(background.pixelColor(edge), kOlive) << edge.x() << "," << edge.y();
        EXPECT_TRUE(isBlack(background.pixelColor(mid))) << mid.x() << "," << mid.y();
    }
    EXPECT_EQ(background.pixelColor(kListFrame.x + 99, kListFrameDividerY), kOlive);

    // No line runs under a control, whose black ground would cut it. A rune slot fills its
    // frame's inside; its round stone leaves the slot's corners black for the frame's corners.
    std::vector<QRect> controls;
    for (const Rect& c : {kColumnHeadings, kRunewordList, kDetailsPanel, kCharacterLine,
                          kLevelBadge, kLogo, kTitle, kAbout, kSelectEquipment, kPlan, kOk})
        controls.push_back(toQRect(c));
    for (int slot = 0; slot < kRuneSlotCount; ++slot) {
        controls.push_back(toQRect(runeSlot(slot)).adjusted(3, 0, -3, 0));
        controls.push_back(toQRect(runeSlot(slot)).adjusted(0, 3, 0, -3));
    }
    for (const QRect& control : controls)
        EXPECT_FALSE(anyPixel(background, control, [](QColor c) { return !isBlack(c); }))
            << control.x() << "," << control.y();
}

}  // namespace
}  // namespace sockwright
