// The Rune Planner as an object: its lists for a character, the details of what is selected,
// the search box, the keyboard, and the character a double click chooses.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "model/CharacterRunes.h"
#include "support/FindControl.h"
#include "ui/dialogs/DialogChecks.h"
#include "ui/dialogs/PlannerList.h"
#include "ui/dialogs/RunePlannerDialog.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// The shipped runes and runewords; Main holds KALIYA, level 24, owning El to Dol and Lem, and
// Ladder holds SHADE, owning everything up to Jah.
class RunePlannerDialogTest : public ::testing::Test {
  protected:
    RunePlannerDialogTest() {
        Account* main = accounts.addAccount("Main", "USEast", "KALIYA", 24, 0, 1);
        RuneSet stash{{0x7FF, 0x7, 0}};  // El to Dol
        stash.add(20);
        main->characters[0].runes = stash;
        followRuneBits(main->characters[0]);
        Account* ladder = accounts.addAccount("Ladder", "Europe", "SHADE", 86, 1, 1);
        ladder->characters[0].runes = RuneSet{{0x7FF, 0x7FF, 0x1FF}};  // El to Jah
        followRuneBits(ladder->characters[0]);
        accounts.setCurrent(main, 0);
    }

    PlannerList& list(RunePlannerDialog& dialog, const char* name) {
        return findControl<PlannerList>(dialog, name);
    }
    // The row of a list showing this text in its first column, or -1.
    static int rowOf(const PlannerList& list, const QString& text) {
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.rowAt(row)->text == text) return row;
        }
        return -1;
    }

    const RuneTable runes = shippedRunes();
    const std::shared_ptr<const RunewordList> runewords = shippedRunewords(runes);
    const RuneImages images = solidSkinImages().runes;
    AccountList accounts;
};

TEST_F(RunePlannerDialogTest, ListsTheCharactersPlanWithCubeLinesLitWhereTheRuneBelowIsOwned) {
    RunePlannerDialog dialog(accounts, runewords, runes, images);
    EXPECT_EQ(dialog.windowTitle(), "Rune Planner");
    EXPECT_EQ(findControl<LabelButton>(dialog, "characterLine").text(),
              "CHARACTER: USEast: Main: KALIYA");

    PlannerList& oneAway = list(dialog, "oneRuneAway");
    const int hel = rowOf(oneAway, QStringLiteral("Hel \u2190 3 Dol + Chipped Emerald"));
    const int io = rowOf(oneAway, QStringLiteral("Io \u2190 3 Hel + Chipped Diamond"));
    ASSERT_GE(hel, 0);
    ASSERT_GT(io, hel);
    EXPECT_TRUE(oneAway.rowAt(hel)->lit) << "Dol is owned";
    EXPECT_FALSE(oneAway.rowAt(io)->lit) << "Hel is not";
    // Every runeword row is counted in the heading; headings are not rows one can select.
    int runewordRows = 0;
    for (int row = 0; row < oneAway.rowCount(); ++row) {
        const bool heading = oneAway.rowAt(row)->kind == PlannerRow::Kind::Heading;
        runewordRows += heading ? 0 : 1;
        EXPECT_EQ(oneAway.model()->flags(oneAway.model()->index(row, 0)) & Qt::ItemIsSelectable,
                  heading ? Qt::NoItemFlags : Qt::ItemIsSelectable);
    }
    EXPECT_EQ(findControl<LabelButton>(dialog, "oneRuneAwayHeading").text(),
              QStringLiteral("ONE RUNE AWAY (%1)").arg(runewordRows));

    PlannerList& hunt = list(dialog, "runesToHunt");
    ASSERT_EQ(hunt.rowCount(), kRuneCount - 15);
    EXPECT_EQ(hunt.rowAt(0)->text + " " + hunt.rowAt(0)->secondText, "Io completes 7 runewords");
}

TEST_F(RunePlannerDialogTest, SelectingARunewordShowsItsRunesLevelPropertiesAndWhoCanMakeIt) {
    RunePlannerDialog dialog(accounts, runewords, runes, images);
    QSignalSpy details(&dialog, &RunePlannerDialog::runeDetailsRequested);
    dialog.show();
    PlannerList& oneAway = list(dialog, "oneRuneAway");
    PlannerList& canMake = list(dialog, "canMakeNow");
    canMake.selectRow(0);

    // The keyboard skips the cube headings: the first Down lands on the first runeword.
    oneAway.setFocus();
    oneAway.clearSelectedRow();
    oneAway.setCurrentIndex(QModelIndex());
    QTest::keyClick(&oneAway, Qt::Key_Down);
    ASSERT_EQ(oneAway.selectedRow(), 1);
    EXPECT_EQ(canMake.selectedRow(), -1) << "one runeword is shown at a time";
    const Runeword& shown = *oneAway.selectedRowData()->runeword;
    EXPECT_EQ(findControl<LabelButton>(dialog, "runewordName").text().toStdString(), shown.name);

    RuneToggleButton& slot = findControl<RuneToggleButton>(dialog, "runeSlot1");
    EXPECT_EQ(slot.runeNumber(), shown.runes[0]);
    EXPECT_EQ(slot.currentImage().cacheKey(),
              images.highlighted[static_cast<std::size_t>(shown.runes[0] - 1)].cacheKey());
    const LabelButton& badge = findControl<LabelButton>(dialog, "levelBadge");
    EXPECT_EQ(badge.text(), QStringLiteral("Clvl\n%1").arg(shown.requiredLevel));
    EXPECT_EQ(badge.textColour(), shown.requiredLevel > 24 ? kRed : kWhite);
    EXPECT_EQ(findControl<DetailTextButton>(dialog, "properties").lines().size(),
              std::count(shown.properties.begin(), shown.properties.end(), '\n'));

    // SHADE, on the second account, owns what the Main character lacks.
    const PlannerList& who = list(dialog, "whoCanMake");
    ASSERT_EQ(who.rowCount(), 1);
    EXPECT_EQ(who.rowAt(0)->text, "Europe: Ladder: SHADE");

    // A rune slot, and Enter on a rune to hunt, open the rune's details.
    QTest::mouseClick(&slot, Qt::LeftButton);
    PlannerList& hunt = list(dialog, "runesToHunt");
    hunt.setFocus();
    hunt.selectRow(0);
    QTest::keyClick(&hunt, Qt::Key_Return);
    ASSERT_EQ(details.size(), 2);
    EXPECT_EQ(details[0][0].toInt(), shown.runes[0]);
    EXPECT_EQ(details[1][0].toInt(), hunt.rowAt(0)->rune);
    EXPECT_TRUE(dialog.isVisible()) << "Enter in a list is not OK";
}

}  // namespace
}  // namespace sockwright
