#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>

#include "SelectionDialogChecks.h"
#include "support/FindControl.h"
#include "ui/WidgetInput.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

template <typename Control = RuneToggleButton>
Control& find(const QDialog& dialog, const QString& name, int n = -1) {
    return findControl<Control>(dialog, n < 0 ? name : name + QString::number(n));
}

class SelectRunesDialogTest : public ::testing::Test {
  protected:
    // The logic and count choices drawn white, in their order on screen.
    QStringList litChoices() {
        QStringList lit;
        for (const LabelButton* choice :
             dialog.findChildren<LabelButton*>(QRegularExpression("^(logic|count)(?!Heading)")))
            if (choice->textColour() == kWhite) lit << choice->objectName();
        return lit;
    }

    // Each rune shows its own picture, lit with a white name exactly when owned; each row button
    // its blank, lit exactly when the whole row is owned, under a name that stays white.
    void expectShows(const RuneSet& runes) {
        for (int n = 1; n <= kRuneCount; ++n) {
            const bool owned = runes.contains(n);
            const auto& pictures = owned ? images.runes.highlighted : images.runes.plain;
            EXPECT_TRUE(samePicture(find(dialog, "rune", n).currentImage(), pictures[n - 1]) &&
                        find<LabelButton>(dialog, "runeLabel", n).textColour() ==
                            (owned ? kWhite : kGrey))
                << n;
        }
        for (int row = 0; row < kRuneRowCount; ++row) {
            const auto& blank =
                runes.rows[row] == kWholeRuneRow ? images.blanks.highlighted : images.blanks.plain;
            EXPECT_TRUE(samePicture(find(dialog, "row", row).currentImage(), blank) &&
                        find<LabelButton>(dialog, "rowLabel", row).textColour() == kWhite)
                << "row " << row;
        }
    }

    const RuneTable table = shippedRunes();
    const SkinImages images = solidSkinImages();
    SelectRunesDialog dialog{table, images};
};

// From a new character's values: a row button clears a full row and fills a partial one, a rune
// flips its own bit, a right click asks for details and toggles nothing, a choice lights itself.
TEST_F(SelectRunesDialogTest, ClicksChangeOnlyTheirOwnBitsOrChoice) {
    dialog.setSelection(RuneSet::all(), kAnyRuneCount, RuneLogic::Complete);
    EXPECT_EQ(find<LabelButton>(dialog, "runeLabel1").text(), "El");
    QSignalSpy details(&dialog, &SelectRunesDialog::runeDetailsRequested);
    using enum RuneLogic;
    const auto left = Qt::LeftButton, right = Qt::RightButton;
    const std::tuple<const char*, Qt::MouseButton, RuneSet, int, RuneLogic, const char*> steps[] = {
        {"", left, RuneSet::all(), kAnyRuneCount, Complete, "logicComplete countAny"},
        {"row0", left, {{0, 0x7FF, 0x7FF}}, kAnyRuneCount, Complete, "logicComplete countAny"},
        {"rune12", left, {{0, 0x7FE, 0x7FF}}, kAnyRuneCount, Complete, "logicComplete countAny"},
        {"row1", left, {{0, 0x7FF, 0x7FF}}, kAnyRuneCount, Complete, "logicComplete countAny"},
        {"rune33", right, {{0, 0x7FF, 0x7FF}}, kAnyRuneCount, Complete, "logicComplete countAny"},
        {"row2", right, {{0, 0x7FF, 0x7FF}}, kAnyRuneCount, Complete, "logicComplete countAny"},
        {"rune33", left, {{0, 0x7FF, 0x3FF}}, kAnyRuneCount, Complete, "logicComplete countAny"},
        {"count3", left, {{0, 0x7FF, 0x3FF}}, 3, Complete, "logicComplete count3"},
        {"count3", left, {{0, 0x7FF, 0x3FF}}, 3, Complete, "logicComplete count3"},
        {"logicAll", left, {{0, 0x7FF, 0x3FF}}, 3, All, "logicAll count3"},
        {"countAny", left, {{0, 0x7FF, 0x3FF}}, kAnyRuneCount, All, "logicAll countAny"},
        {"logicAny", left, {{0, 0x7FF, 0x3FF}}, kAnyRuneCount, Any, "logicAny countAny"},
    };
    for (const auto& [control, button, runes, count, logic, lit] : steps) {
        SCOPED_TRACE(control);
        if (*control) click(find<QWidget>(dialog, control), button);
        EXPECT_EQ(dialog.runes(), runes);
        expectShows(runes);
        EXPECT_TRUE(dialog.runeCountFilter() == count && dialog.runeLogic() == logic);
        EXPECT_EQ(litChoices(), QString(lit).split(' '));
    }
    EXPECT_EQ(details.count(), 1);
    EXPECT_EQ(details.value(0).value(0).toInt(), 33);
}

// A value out of range (from an edited settings file) lights no choice.
TEST_F(SelectRunesDialogTest, AValueOutOfRangeLightsNoChoice) {
    for (const auto& [count, logic] : {std::pair{0, 0}, {8, 4}, {-1, -7}}) {
        dialog.setSelection(RuneSet{}, count, static_cast<RuneLogic>(logic));
        EXPECT_EQ(litChoices(), QStringList()) << count;
    }
}

// Runes 21 to 33, missing from the rune file, show nothing and open nothing; their bits stay.
TEST(SelectRunesDialogShortFileTest, EmptyRuneSlotsShowNothingAndKeepTheirBits) {
    RuneTable table;
    for (int n = 1; n <= 20; ++n) table.set(n, Rune{n});
    SelectRunesDialog dialog(table, solidSkinImages());
    const RuneSet start{{0, 0x400, 0x001}};  // runes 22 and 23
    dialog.setRunes(start);
    QSignalSpy details(&dialog, &SelectRunesDialog::runeDetailsRequested);
    for (const int n : {21, 22, 23, 33}) {
        EXPECT_TRUE(find(dialog, "rune", n).currentImage().isNull()) << n;
        EXPECT_EQ(find<LabelButton>(dialog, "runeLabel", n).text(), "") << n;
        click(find(dialog, "rune", n), Qt::RightButton);
        click(find(dialog, "rune", n));
    }
    EXPECT_EQ(details.count(), 0);
    EXPECT_EQ(dialog.runes(), start);
    click(find(dialog, "row2"));
    EXPECT_EQ(dialog.runes().rows[2], kWholeRuneRow);
}

// A long name from an edited rune file widens the grid instead of being cut.
TEST_F(SelectRunesDialogTest, LayoutKeepsEveryControlApartAndEveryTextWhole) {
    expectTidyLayout(dialog);
    RuneTable longName = table;
    longName.set(13, Rune{13, 1, "Shaelmorgothrax"});
    expectTidyLayout(SelectRunesDialog(longName, images));
}

}  // namespace
}  // namespace sockwright
