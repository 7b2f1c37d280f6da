// The runeword list of the main window: refreshing, Up and Down, the details of the selected
// runeword, the rune slots, and how the rows are drawn.
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>

#include <gtest/gtest.h>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "WidgetInput.h"
#include "ui/MainWindow.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListDelegate.h"
#include "ui/RunewordListModel.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using testing::RecordingDialogService;
using testing::RuntimeFolder;
using testing::click;
using testing::pressKey;

Runeword makeRuneword(const std::string& name, std::vector<int> runes, int requiredLevel,
                      EquipmentMask equipment = 0x00000200, std::string equipmentText = "SWORDS") {
    Runeword runeword;
    runeword.name = name;
    runeword.equipmentText = std::move(equipmentText);
    runeword.equipmentMask = equipment;
    runeword.runeCount = static_cast<std::int32_t>(runes.size());
    for (std::size_t socket = 0; socket < runes.size(); ++socket) {
        runeword.runes[socket] = runes[socket];
        runeword.runeSet.add(runes[socket]);
    }
    runeword.requiredLevel = requiredLevel;
    runeword.properties = name + " property\n";
    return runeword;
}

// A started main window whose runeword list is replaced by the given runewords.
class RunewordListTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.initialise()); }

    void useRunewords(RunewordList runewords, int characterLevel = 99) {
        window.state().accounts.currentCharacterRecord().level = characterLevel;
        window.state().runewords = std::make_shared<RunewordList>(std::move(runewords));
        window.refreshRunewordList();
    }
    int selected() const { return window.runewordList().selectedRow(); }
    bool displayIsBlank() const {
        for (int slot = 0; slot < 6; ++slot) {
            if (window.runeSlot(slot).runeNumber != 0 || window.runeSlot(slot).currentImage() != nullptr) {
                return false;
            }
        }
        return window.levelBadge().text().isEmpty() && window.detailsPanel().text().isEmpty();
    }

    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window{dialogs};
};

TEST_F(RunewordListTest, DownAndUpMoveWithinTheListAndStopAtItsEnds) {
    useRunewords({makeRuneword("First", {1}, 11), makeRuneword("Second", {2}, 11),
                  makeRuneword("Third", {3}, 13)});
    ASSERT_EQ(selected(), -1);

    window.moveDown();  // no selection: the first row
    EXPECT_EQ(selected(), 0);
    window.moveDown();
    window.moveDown();
    window.moveDown();  // stays on the last row and shows it again
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(window.detailsPanel().text(), QStringLiteral("Third property\n"));

    window.moveUp();
    window.moveUp();
    window.moveUp();  // stays on the first row
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(window.runeSlot(0).runeNumber, 1);

    window.refreshRunewordList();  // a refresh forgets the selection
    EXPECT_EQ(selected(), -1);
    EXPECT_TRUE(displayIsBlank());
    window.moveUp();  // no selection: the first row as well
    EXPECT_EQ(selected(), 0);
}

TEST_F(RunewordListTest, DownAndUpOnAnEmptyListSelectNothing) {
    useRunewords({});
    EXPECT_EQ(window.runewordModel().rowCount(), 0);
    window.moveDown();
    EXPECT_EQ(selected(), -1);
    window.moveUp();
    EXPECT_EQ(selected(), -1);
    EXPECT_TRUE(displayIsBlank());
}

TEST_F(RunewordListTest, LevelBadgeIsRedOnlyWhenTheCharacterIsBelowTheRequiredLevel) {
    useRunewords({makeRuneword("Reachable", {8}, 30), makeRuneword("Beyond", {8}, 31)}, 30);

    window.moveDown();
    EXPECT_EQ(window.levelBadge().text(), QStringLiteral("Clvl\n30"));
    EXPECT_EQ(window.levelBadge().textColour, kWhite);
    window.moveDown();
    EXPECT_EQ(window.levelBadge().text(), QStringLiteral("Clvl\n31"));
    EXPECT_EQ(window.levelBadge().textColour, kRed);
    window.moveUp();
    EXPECT_EQ(window.levelBadge().textColour, kWhite);
}

TEST_F(RunewordListTest, RepeatedRuneFillsTwoSlotsAndBothOpenItsDetails) {
    useRunewords({makeRuneword("Twin", {8, 8}, 19)});
    const QModelIndex row = window.runewordModel().index(0, 0);
    EXPECT_EQ(row.data(RunewordListModel::RuneCountRole).toString(), QStringLiteral("2"));
    EXPECT_EQ(row.data(RunewordListModel::RunesRole).toString(), QStringLiteral("Ral Ral "));

    window.moveDown();
    const QPixmap* ral = window.images().runes.highlightedOf(8);
    ASSERT_NE(ral, nullptr) << "the build's rune pictures are missing";
    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(window.runeSlot(slot).runeNumber, 8);
        EXPECT_EQ(window.runeSlot(slot).currentImage(), ral);
    }
    for (int slot = 2; slot < 6; ++slot) {
        EXPECT_EQ(window.runeSlot(slot).runeNumber, 0);
        EXPECT_EQ(window.runeSlot(slot).currentImage(), nullptr);
    }

    window.show();
    click(window.runeSlot(0), Qt::LeftButton);
    click(window.runeSlot(1), Qt::RightButton);
    click(window.runeSlot(2), Qt::LeftButton);   // an empty socket
    click(window.runeSlot(3), Qt::RightButton);  // an empty socket
    EXPECT_EQ(dialogs.runeDetails, (std::vector<int>{8, 8}));
    EXPECT_EQ(dialogs.runeDetailImages, (std::vector<const QPixmap*>{ral, ral}));
}

TEST_F(RunewordListTest, RuneNumbersWithoutARuneOpenNothing) {
    useRunewords({makeRuneword("Odd", {8, 34}, 19)});
    window.moveDown();
    EXPECT_EQ(window.runeSlot(1).runeNumber, 0);
    window.runeSlotCommand(2);
    window.showRuneDetails(0);
    window.showRuneDetails(34);
    EXPECT_TRUE(dialogs.runeDetails.empty());
    EXPECT_EQ(window.runewordModel().index(0, 0).data(RunewordListModel::RunesRole).toString(),
              QStringLiteral("Ral ? "));
}

TEST_F(RunewordListTest, ReplacedListLivesUntilTheListIsRefilled) {
    useRunewords({makeRuneword("Old", {1}, 11)});
    std::weak_ptr<const RunewordList> old = window.state().runewords;
    window.state().runewords = std::make_shared<RunewordList>(RunewordList{makeRuneword("New", {2}, 11)});

    ASSERT_FALSE(old.expired()) << "the rows still refer to the old list";
    EXPECT_EQ(window.runewordModel().index(0, 0).data(RunewordListModel::NameRole).toString(),
              QStringLiteral("Old"));
    window.refreshRunewordList();
    EXPECT_TRUE(old.expired());
    EXPECT_EQ(window.runewordModel().index(0, 0).data(RunewordListModel::NameRole).toString(),
              QStringLiteral("New"));
}

TEST_F(RunewordListTest, UserSelectionShowsTheRuneword) {
    useRunewords({makeRuneword("First", {1}, 11), makeRuneword("Second", {2, 3}, 13)});
    window.show();
    RunewordListBox& list = window.runewordList();
    click(*list.viewport(), Qt::LeftButton, list.visualRect(window.runewordModel().index(1, 0)).center());
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(window.runeSlot(1).runeNumber, 3);
    EXPECT_EQ(window.levelBadge().text(), QStringLiteral("Clvl\n13"));

    pressKey(list, Qt::Key_Up);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(window.detailsPanel().text(), QStringLiteral("First property\n"));
}

// Colour of the pixel, for counting text pixels of one colour in a rendered list.
int countPixels(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == colour) ++count;
        }
    }
    return count;
}

TEST_F(RunewordListTest, RowsAreDrawnInTheirColumnsAndColoursOnBlack) {
    const std::string longName(40, 'W');
    useRunewords({makeRuneword(longName, {1}, 11, 0x00000200, ""), makeRuneword("Short", {1}, 11)});
    window.show();
    window.moveDown();
    // Text is drawn without smoothing's in-between shades only at its cores, so look for both
    // exact colours.
    const QImage image = window.runewordList().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(image.height(), 60);

    const QRect firstRowName(0, 0, 150, 20);
    const QRect firstRowBeyondName(150, 0, 210, 20);  // the runes column of row 0: "El "
    EXPECT_GT(countPixels(image, firstRowName, kListSelectedText), 0);
    EXPECT_EQ(countPixels(image, firstRowName, kListText), 0);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 150, 3), kListSelectedText), 0) << "text starts 3 px down";
    // The long name is cut at 150 px: the only text right of it is the short runes column.
    const int runesColumnPixels = countPixels(image, firstRowBeyondName, kListSelectedText);
    EXPECT_LT(runesColumnPixels, countPixels(image, firstRowName, kListSelectedText) / 4);

    EXPECT_GT(countPixels(image, QRect(0, 20, 150, 20), kListText), 0);
    EXPECT_EQ(countPixels(image, QRect(0, 20, 150, 20), kListSelectedText), 0);
    // Below the last row the list is black.
    EXPECT_EQ(countPixels(image, QRect(0, 40, image.width(), image.height() - 40), kBlack),
              image.width() * (image.height() - 40));
}

TEST_F(RunewordListTest, CutTextsAreOfferedAsToolTips) {
    const std::string melee = "AXES/CLAWS/DAGGERS/MACES/ORBS/POLEARMS/SCEPTERS/SPEARS/STAVES/SWORDS/WANDS";
    useRunewords({makeRuneword(std::string(40, 'W'), {1}, 11, 0x000007FF, melee),
                  makeRuneword("Steel", {1}, 11)});
    const QModelIndex longRow = window.runewordModel().index(0, 0);
    const QModelIndex shortRow = window.runewordModel().index(1, 0);

    EXPECT_EQ(RunewordListDelegate::cutTextAt(longRow, 10), QString(40, QLatin1Char('W')));
    EXPECT_EQ(RunewordListDelegate::cutTextAt(longRow, 500), QString::fromStdString(melee));
    EXPECT_TRUE(RunewordListDelegate::cutTextAt(longRow, 400).isEmpty());  // "1" fits
    EXPECT_TRUE(RunewordListDelegate::cutTextAt(shortRow, 10).isEmpty());
    EXPECT_TRUE(RunewordListDelegate::cutTextAt(shortRow, 500).isEmpty());
    EXPECT_TRUE(RunewordListDelegate::cutTextAt(longRow, 607).isEmpty());  // right of the columns

    EXPECT_EQ(window.runewordList().sizeHintForRow(0), 20);

    // Hovering: the list hands the tool-tip request to the row's drawing.
    window.show();
    QWidget& viewport = *window.runewordList().viewport();
    const auto hover = [&viewport](QPoint at) {
        QHelpEvent event(QEvent::ToolTip, at, viewport.mapToGlobal(at));
        QApplication::sendEvent(&viewport, &event);
    };
    hover(QPoint(500, 10));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(melee));
    hover(QPoint(500, 30));  // "SWORDS" fits: the tip goes, after the tip's own short delay
    QElapsedTimer waited;
    waited.start();
    while (QToolTip::isVisible() && waited.elapsed() < 2000) QApplication::processEvents();
    EXPECT_FALSE(QToolTip::isVisible());
}

}  // namespace
}  // namespace sockwright
