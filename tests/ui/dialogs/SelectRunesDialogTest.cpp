#include <gtest/gtest.h>

#include <QSignalSpy>

#include "SelectionDialogChecks.h"
#include "support/FindControl.h"
#include "ui/WidgetInput.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

class SelectRunesDialogTest : public ::testing::Test {
  protected:
    RuneToggleButton& rune(int n) { return findControl<RuneToggleButton>(dialog, name("rune", n)); }
    LabelButton& label(const QString& name) { return findControl<LabelButton>(dialog, name); }
    static QString name(const char* stem, int n) { return stem + QString::number(n); }

    // The white choices, by object name; every other choice must be grey.
    QStringList litChoices() {
        QStringList lit;
        for (const char* choice : {"logicAny", "logicAll", "logicComplete", "count1", "count2",
                                   "count3", "count4", "count5", "count6", "countAny"}) {
            const QColor colour = label(choice).textColour();
            EXPECT_TRUE(colour == kWhite || colour == kGrey) << choice;
            if (colour == kWhite) lit << choice;
        }
        return lit;
    }

    // Each rune shows its own picture, lit with a white label exactly when owned; each row
    // button its blank, lit exactly when the whole row is owned.
    void expectShows(const RuneSet& runes) {
        for (int n = 1; n <= kRuneCount; ++n) {
            const bool owned = runes.contains(n);
            EXPECT_TRUE(samePicture(rune(n).currentImage(), owned ? images.runes.highlighted[n - 1]
                                                                  : images.runes.plain[n - 1]))
                << n;
            EXPECT_EQ(label(name("runeLabel", n)).textColour(), owned ? kWhite : kGrey) << n;
        }
        for (int row = 0; row < kRuneRowCount; ++row) {
            const bool whole = (runes.rows[row] & kWholeRuneRow) == kWholeRuneRow;
            EXPECT_TRUE(
                samePicture(findControl<RuneToggleButton>(dialog, name("row", row)).currentImage(),
                            whole ? images.blanks.highlighted : images.blanks.plain));
        }
    }

    const RuneTable table = shippedRunes();
    const SkinImages images = solidSkinImages();
    SelectRunesDialog dialog{table, images};
};

TEST_F(SelectRunesDialogTest, NewCharacterShowsEveryRuneLitWithCompleteAndAny) {
    // Before the caller's values: no runes, any count, complete logic.
    EXPECT_EQ(dialog.runes(), RuneSet{});
    EXPECT_EQ(dialog.runeCountFilter(), kAnyRuneCount);
    EXPECT_EQ(dialog.runeLogic(), RuneLogic::Complete);
    expectShows(RuneSet{});

    dialog.setSelection(RuneSet::all(), kAnyRuneCount, RuneLogic::Complete);
    expectShows(RuneSet::all());
    EXPECT_EQ(litChoices(), QStringList({"logicComplete", "countAny"}));
    EXPECT_EQ(label("runeLabel1").text(), "El");
    EXPECT_EQ(label("runeLabel33").text(), "Zod");
    const char* const rows[] = {"Common", "Medium", "Rare"};
    for (int row = 0; row < kRuneRowCount; ++row) {
        EXPECT_EQ(label(name("rowLabel", row)).text(), rows[row]);
        EXPECT_EQ(label(name("rowLabel", row)).textColour(), kWhite);
    }
    EXPECT_EQ(label("logicHeading").alignment(), LabelButton::Left);
    EXPECT_EQ(label("countHeading").text(), "Rune No.");
}

TEST_F(SelectRunesDialogTest, RowButtonsAndRuneClicksChangeOnlyTheirOwnBits) {
    struct Click {
        QString control;
        int row;
        std::uint32_t before, after;
    };
    const Click clicks[] = {
        {"row0", 0, 0x7FF, 0x000},                               // a full row clears
        {"row0", 0, 0x000, 0x7FF},   {"row1", 1, 0x083, 0x7FF},  // a partial row fills
        {"rune12", 1, 0x7FF, 0x7FE}, {"rune12", 1, 0x7FE, 0x7FF}, {"rune33", 2, 0x123, 0x523},
    };
    for (const Click& c : clicks) {
        SCOPED_TRACE(c.control.toStdString());
        RuneSet start;
        start.rows = {0x155, 0x2AA, 0x00F};
        start.rows[c.row] = c.before;
        dialog.setRunes(start);
        click(findControl<RuneToggleButton>(dialog, c.control));
        RuneSet expected = start;
        expected.rows[c.row] = c.after;
        EXPECT_EQ(dialog.runes(), expected);
        expectShows(expected);
    }
}

TEST_F(SelectRunesDialogTest, RightClickAsksForTheRuneDetailsAndTogglesNothing) {
    dialog.setRunes(RuneSet::all());
    QSignalSpy details(&dialog, &SelectRunesDialog::runeDetailsRequested);
    click(rune(33), Qt::RightButton);
    click(findControl<RuneToggleButton>(dialog, "row2"), Qt::RightButton);
    ASSERT_EQ(details.count(), 1);
    EXPECT_EQ(details.at(0).at(0).toInt(), 33);
    EXPECT_EQ(dialog.runes(), RuneSet::all());
}

TEST_F(SelectRunesDialogTest, ChoicesLightOnlyTheCurrentValueAndNoneOutOfRange) {
    dialog.setSelection(RuneSet::all(), kAnyRuneCount, RuneLogic::Complete);
    struct Step {
        const char* click;
        RuneCountFilter count;
        RuneLogic logic;
    };
    for (const Step& step :
         {Step{"count3", 3, RuneLogic::Complete}, Step{"count3", 3, RuneLogic::Complete},
          Step{"logicAll", 3, RuneLogic::All}, Step{"countAny", kAnyRuneCount, RuneLogic::All},
          Step{"logicAny", kAnyRuneCount, RuneLogic::Any}}) {
        click(label(step.click));
        EXPECT_EQ(dialog.runeCountFilter(), step.count) << step.click;
        EXPECT_EQ(dialog.runeLogic(), step.logic) << step.click;
    }
    EXPECT_EQ(litChoices(), QStringList({"logicAny", "countAny"}));

    // Values from an edited settings file are kept as they are and light nothing.
    for (const auto& [count, logic] : {std::pair{0, 0}, {8, 4}, {-1, -7}}) {
        dialog.setSelection(RuneSet{}, count, static_cast<RuneLogic>(logic));
        EXPECT_EQ(litChoices(), QStringList());
        EXPECT_EQ(dialog.runeCountFilter(), count);
        EXPECT_EQ(static_cast<int>(dialog.runeLogic()), logic);
    }
    click(label("logicAll"));
    click(label("count5"));
    EXPECT_EQ(litChoices(), QStringList({"logicAll", "count5"}));
    EXPECT_EQ(dialog.runeCountFilter(), 5);
}

// A rune file of 20 lines: runes 21 to 33 have no name, picture or details, but their bits stay
// in their rows.
TEST(SelectRunesDialogShortFileTest, EmptyRuneSlotsShowNothingAndKeepTheirBits) {
    RuneTable table;
    const RuneTable shipped = shippedRunes();
    for (int n = 1; n <= 20; ++n) table.set(n, *shipped.find(n));
    SelectRunesDialog dialog(table, solidSkinImages());
    RuneSet start;
    start.rows = {0, 0x400, 0x001};  // runes 22 and 23
    dialog.setRunes(start);
    QSignalSpy details(&dialog, &SelectRunesDialog::runeDetailsRequested);
    for (const int n : {21, 22, 23, 33}) {
        auto& button = findControl<RuneToggleButton>(dialog, QString("rune%1").arg(n));
        EXPECT_EQ(findControl<LabelButton>(dialog, QString("runeLabel%1").arg(n)).text(), "");
        EXPECT_TRUE(button.currentImage().isNull()) << n;
        click(button, Qt::RightButton);
        click(button);
    }
    EXPECT_EQ(details.count(), 0);
    EXPECT_EQ(dialog.runes(), start);
    click(findControl<RuneToggleButton>(dialog, "row2"));
    EXPECT_EQ(dialog.runes().rows[2], kWholeRuneRow);
}

TEST_F(SelectRunesDialogTest, GridAndLinesStandInOrderWithEveryTextWhole) {
    expectTidyLayout(dialog);
    for (int n = 2; n <= kRuneCount; ++n) {
        const bool rowStart = (n - 1) % kRunesPerRow == 0;
        EXPECT_EQ(rune(n).size(), QSize(38, 38));
        EXPECT_TRUE(rowStart ? rune(n).y() > label(name("runeLabel", n - 1)).y()
                             : rune(n).y() == rune(n - 1).y() && rune(n).x() > rune(n - 1).x())
            << n;
    }
    EXPECT_GT(label("logicHeading").y(), label("runeLabel33").geometry().bottom());
    EXPECT_GT(label("countHeading").y(), label("logicHeading").geometry().bottom());
    EXPECT_GT(dialog.cancelButton()->x(), label("countAny").geometry().right());
    EXPECT_GT(dialog.okButton().x(), dialog.cancelButton()->geometry().right());

    // A long name from an edited rune file widens the grid instead of being cut.
    RuneTable longNames = table;
    Rune wide = *table.find(13);
    wide.name = "Shaelmorgothrax";
    longNames.set(13, wide);
    SelectRunesDialog wider(longNames, images);
    expectTidyLayout(wider);
}

}  // namespace
}  // namespace sockwright
