// The pictures built into the program: button faces, background and icon.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "ui/MainWindowLayout.h"
#include "ui/skin/BuiltInImages.h"

namespace sockwright {
namespace {

struct Face {
    const char* name;
    int width, height;
};

constexpr Face kFaces[] = {
    {"OK", 43, 28},         {"Cancel", 108, 30},    {"Next", 16, 14},   {"Prev", 16, 14},
    {"Up", 17, 11},         {"Down", 17, 11},       {"Logo", 116, 54},  {"Exit", 69, 29},
    {"Runes", 91, 30},      {"Equipment", 167, 30}, {"Title", 231, 46}, {"About", 35, 56},
    {"Character", 163, 30}, {"Delete", 107, 30},    {"New", 67, 30},    {"Edit", 70, 30},
    {"Update", 125, 42},
};

const QColor kOlive(128, 128, 0);

QImage face(const char* name) {
    return builtInImage(name).toImage().convertToFormat(QImage::Format_RGB32);
}

bool anyPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y))) return true;
    return false;
}

bool isBlack(QColor c) {
    return (c.rgb() & 0xFFFFFF) == 0;
}

QRect toQRect(const layout::Rect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

TEST(BuiltInImages, EveryFaceIsABitmapOfItsExactSizeInTheSkinsColours) {
    for (const Face& expected : kFaces) {
        SCOPED_TRACE(expected.name);
        QFile file(QString(":/images/%1.bmp").arg(expected.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(2), "BM");
        const QImage image = face(expected.name);
        EXPECT_EQ(image.size(), QSize(expected.width, expected.height));
        EXPECT_TRUE(isBlack(image.pixelColor(0, 0)));
        if (expected.width < 20) {  // the olive arrows
            EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), kOlive);
            EXPECT_FALSE(anyPixel(image, image.rect(), [](QColor c) { return c.blue() > 40; }));
        } else if (expected.name != std::string("Logo")) {  // white capitals
            EXPECT_TRUE(anyPixel(image, image.rect(), [](QColor c) { return c.value() > 240; }));
        }
    }
    EXPECT_TRUE(builtInImage("Nothing").isNull());
    EXPECT_EQ(programIcon().pixmap(256, 256).size(), QSize(256, 256));

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
                          kLevelBadge, kLogo, kTitle, kAbout, kSelectEquipment, kOk})
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
