// The pictures built into the program: button faces, background and icon.
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "ui/MainWindowLayout.h"
#include "ui/skin/BuiltInImages.h"

namespace sockwright {
namespace {

struct FaceSize {
    const char* face;
    int width;
    int height;
};

constexpr FaceSize kFaces[] = {
    {"OK", 43, 28},       {"Cancel", 108, 30},   {"Next", 16, 14},      {"Prev", 16, 14},
    {"Up", 17, 11},       {"Down", 17, 11},      {"Logo", 116, 54},     {"Exit", 69, 29},
    {"Runes", 91, 30},    {"Equipment", 167, 30}, {"Title", 231, 46},   {"About", 35, 56},
    {"Character", 163, 30}, {"Delete", 107, 30}, {"New", 67, 30},       {"Edit", 70, 30},
    {"Update", 125, 42},
};

const QColor kOlive(128, 128, 0);

QImage face(const char* name) { return builtInImage(name).toImage().convertToFormat(QImage::Format_RGB32); }

bool anyPixel(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(image.pixelColor(x, y))) return true;
        }
    }
    return false;
}

bool isBlack(QColor c) { return c.red() == 0 && c.green() == 0 && c.blue() == 0; }

QRect toQRect(const layout::Rect& r) { return QRect(r.x, r.y, r.width, r.height); }

TEST(BuiltInImages, EveryFaceLoadsFromTheResourceAtItsExactSize) {
    for (const FaceSize& expected : kFaces) {
        const QPixmap pixmap = builtInImage(expected.face);
        ASSERT_FALSE(pixmap.isNull()) << expected.face;
        EXPECT_EQ(pixmap.size(), QSize(expected.width, expected.height)) << expected.face;
        QFile file(QString(":/images/%1.bmp").arg(expected.face));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << expected.face;
        EXPECT_EQ(file.read(2), "BM") << expected.face;
    }
    EXPECT_TRUE(builtInImage("Nothing").isNull());
}

TEST(BuiltInImages, WordFacesAreWhiteCapitalsOnBlackAndArrowsOlive) {
    for (const FaceSize& f : kFaces) {
        const QImage image = face(f.face);
        EXPECT_TRUE(isBlack(image.pixelColor(0, 0))) << f.face << " has no black ground";
        const std::string name = f.face;
        if (name == "Next" || name == "Prev" || name == "Up" || name == "Down") {
            EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), kOlive) << f.face;
            EXPECT_FALSE(anyPixel(image, image.rect(), [](QColor c) { return c.blue() > 40; })) << f.face;
        } else if (name != "Logo") {
            EXPECT_TRUE(anyPixel(image, image.rect(), [](QColor c) { return c.red() > 240 && c.green() > 240 && c.blue() > 240; }))
                << f.face << " shows no white lettering";
        }
    }
}

TEST(BuiltInImages, TitleCarriesTheOwnersNameInDullGoldAboveTheWhiteName) {
    const QImage title = face("Title");
    const auto gold = [](QColor c) { return c.red() > 120 && c.red() > c.blue() + 50 && c.green() > c.blue() + 30; };
    EXPECT_TRUE(anyPixel(title, QRect(0, 0, title.width(), 13), gold));
    EXPECT_FALSE(anyPixel(title, QRect(0, 16, title.width(), title.height() - 16), gold));
}

TEST(BuiltInImages, BackgroundHasOliveFramesRoundTheControlsAndIsBlackElsewhere) {
    const QImage background = face("Background");
    ASSERT_EQ(background.size(), QSize(layout::kBackgroundWidth, layout::kBackgroundHeight));

    auto expectFrame = [&](const layout::Rect& r, const char* what) {
        const int midX = r.x + r.width / 2;
        const int midY = r.y + r.height / 2;
        EXPECT_EQ(background.pixelColor(midX, r.y), kOlive) << what << " top";
        EXPECT_EQ(background.pixelColor(midX, r.y + r.height - 1), kOlive) << what << " bottom";
        EXPECT_EQ(background.pixelColor(r.x, midY), kOlive) << what << " left";
        EXPECT_EQ(background.pixelColor(r.x + r.width - 1, midY), kOlive) << what << " right";
        EXPECT_TRUE(isBlack(background.pixelColor(midX, midY))) << what << " inside";
    };
    expectFrame(layout::kListFrame, "list frame");
    expectFrame(layout::kDetailsFrame, "details frame");
    for (int slot = 0; slot < layout::kRuneSlotCount; ++slot) expectFrame(layout::runeSlotFrame(slot), "slot frame");
    EXPECT_EQ(background.pixelColor(layout::kListFrame.x + layout::kListFrame.width / 3, layout::kListFrameDividerY), kOlive);

    // No line runs under a control, where the control's black ground would cut it.
    const auto notBlack = [](QColor c) { return !isBlack(c); };
    for (const layout::Rect& control : {layout::kColumnHeadings, layout::kRunewordList, layout::kDetailsPanel,
                                        layout::kCharacterLine, layout::kLevelBadge, layout::kLogo,
                                        layout::kTitle, layout::kAbout, layout::kSelectEquipment, layout::kOk}) {
        EXPECT_FALSE(anyPixel(background, toQRect(control), notBlack)) << control.x << "," << control.y;
    }
    // A rune slot fills its frame's inside, so the frame's rounded corners may only touch the
    // slot's corners, which its picture (drawn one pixel in, a round stone) leaves black.
    for (int slot = 0; slot < layout::kRuneSlotCount; ++slot) {
        const QRect inside = toQRect(layout::runeSlot(slot));
        EXPECT_FALSE(anyPixel(background, inside.adjusted(3, 0, -3, 0), notBlack)) << "slot " << slot;
        EXPECT_FALSE(anyPixel(background, inside.adjusted(0, 3, 0, -3), notBlack)) << "slot " << slot;
    }
}

TEST(BuiltInImages, ProgramIconIsAvailableAtFullSize) {
    const QIcon icon = programIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(256, 256).size(), QSize(256, 256));
    EXPECT_EQ(QImage(":/images/Sockwright.png").size(), QSize(256, 256));
}

}  // namespace
}  // namespace sockwright
