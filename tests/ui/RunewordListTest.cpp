// The runeword list of the main window: what selecting shows, Up and Down, the rune slots, and
// how the rows are drawn.
#include <gtest/gtest.h>

#include <QTest>

#include "MainWindowTest.h"
#include "support/MakeRuneword.h"
#include "support/PixelCounting.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

Runeword makeRuneword(const std::string& name, const std::vector<int>& runes,
                      int requiredLevel = 11) {
    Runeword runeword = testing::makeRuneword(name, runes);
    runeword.requiredLevel = requiredLevel;
    runeword.properties = name + " property\n";
    return runeword;
}

// The started main window, its runeword list replaced by the given runewords.
class RunewordListTest : public testing::MainWindowTest {
  protected:
    void useRunewords(RunewordList runewords, int characterLevel = 99) {
        window.state().accounts.currentCharacterRecord().level = characterLevel;
        window.state().runewords = std::make_shared<RunewordList>(std::move(runewords));
        window.refreshRunewordList();
    }
    int selected() const { return list().selectedRow(); }
};

TEST_F(RunewordListTest, EverySelectionIsShownAndAnEmptyListShowsNothing) {
    // The character is level 30: only Second is beyond it, and only its badge is red.
    useRunewords({makeRuneword("First", {1, 2}, 30), makeRuneword("Second", {2, 3}, 31),
                  makeRuneword("Third", {3, 4}, 30)},
                 30);
    // Down goes through the list's navigation (Up is wired beside it in MainWindowTest), and the
    // row it reaches is shown; so is a row the user clicks or reaches with the arrow keys.
    list().selectRow(0);
    QTest::mouseClick(&button("down"), Qt::LeftButton);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(runeSlot(1).runeNumber(), 2) << "the runeword is shown";
    EXPECT_EQ(label("levelBadge").textColour(), kRed);
    RunewordListBox& box = list();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {},
                      box.visualRect(model().index(2, 0)).center());
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(runeSlot(2).runeNumber(), 4);
    EXPECT_EQ(label("levelBadge").text(), QStringLiteral("Clvl\n30"));
    EXPECT_EQ(label("levelBadge").textColour(), kWhite);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(detailsPanel().text(), QStringLiteral("Second property\n"));

    // Refilled with nothing: the selection and the display go.
    useRunewords({});
    EXPECT_EQ(selected(), -1);
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(runeSlot(slot + 1).runeNumber(), 0);
        EXPECT_TRUE(runeSlot(slot + 1).currentImage().isNull());
    }
    EXPECT_TRUE(label("levelBadge").text().isEmpty());
    EXPECT_TRUE(detailsPanel().text().isEmpty());
}

TEST_F(RunewordListTest, ReplacedListLivesUntilTheListIsRefilled) {
    useRunewords({makeRuneword("Old", {1})});
    const std::weak_ptr<const RunewordList> old = window.state().runewords;
    window.state().runewords =
        std::make_shared<RunewordList>(RunewordList{makeRuneword("New", {2})});
    ASSERT_FALSE(old.expired()) << "the rows still refer to the old list";
    EXPECT_EQ(model().index(0, 0).data().toString(), QStringLiteral("Old"));
    window.refreshRunewordList();
    EXPECT_TRUE(old.expired());
    EXPECT_EQ(model().index(0, 0).data().toString(), QStringLiteral("New"));
}

TEST_F(RunewordListTest, RowsAreDrawnInTheirColoursEachTextKeptToItsColumn) {
    const QString longName(40, QLatin1Char('W'));
    useRunewords({makeRuneword(longName.toStdString(), {1}), makeRuneword("Short", {1})});
    window.moveDown();
    QWidget& viewport = *list().viewport();
    const QImage image = viewport.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(image.height(), 60);

    // Text is drawn without smoothing's in-between shades only at its cores: count exact colours.
    const int selectedName = testing::countColour(image, kListSelectedText, QRect(0, 0, 150, 20));
    EXPECT_GT(selectedName, 0);
    EXPECT_GT(testing::countColour(image, kListText, QRect(0, 20, 150, 20)), 0)
        << "the row not selected";
    // The long name ends at 150 px: right of it is only the short runes column, "El ".
    EXPECT_LT(testing::countColour(image, kListSelectedText, QRect(150, 0, 200, 20)),
              selectedName / 4);
    const QRect below(0, 40, image.width(), image.height() - 40);
    EXPECT_EQ(testing::countColour(image, kBlack, below), below.width() * below.height())
        << "black below";
}

}  // namespace
}  // namespace sockwright
