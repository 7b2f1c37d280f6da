#include <gtest/gtest.h>

#include "SelectionDialogChecks.h"
#include "support/FindControl.h"
#include "ui/WidgetInput.h"
#include "ui/dialogs/RuneDetailsDialog.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinColours.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

TEST(RuneDetailsDialogTest, ShowsNameNumberLevelAndOneLinePerBonusPart) {
    struct Case {
        Rune rune;
        const char* name;
        const char* level;
        QStringList lines;
    };
    const Case cases[] = {
        {{7, 17, "X", "a,b,c,d", "R", "S"},
         "X (7)",
         "REQUIRED LEVEL: 17",
         {"Weapons", "a", "b", "c", "d", "", "Armour", "R", "", "Shields", "S"}},
        // Texts missing from the rune file keep their "?".
        {{33, 1, "Zod", "?", "?", "?"},
         "Zod (33)",
         "REQUIRED LEVEL: 1",
         {"Weapons", "?", "", "Armour", "?", "", "Shields", "?"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RuneDetailsDialog dialog(c.rune, nullptr);
        const auto& name = findControl<LabelButton>(dialog, "nameLabel");
        const auto& level = findControl<LabelButton>(dialog, "levelLabel");
        EXPECT_EQ(name.text(), c.name);
        EXPECT_EQ(name.pointSize(), 140);
        EXPECT_EQ(level.text(), c.level);
        EXPECT_EQ(level.pointSize(), 110);
        EXPECT_TRUE(name.textColour() == kWhite && level.textColour() == kWhite);
        EXPECT_EQ(findControl<DetailTextButton>(dialog, "details").text().split('\n'), c.lines);
    }
}

TEST(RuneDetailsDialogTest, PictureIsDrawnAndDoesNothing) {
    const QPixmap picture = solidPixmap({36, 36}, QColor(200, 40, 40));
    const Rune rune{8, 19, "Ral", "Adds 5-30 fire damage", "Fire Resist +30%", "Fire Resist +35%"};
    RuneDetailsDialog dialog(rune, &picture);
    auto& image = findControl<ImageButton>(dialog, "image");
    dialog.setResult(-1);
    click(image);
    EXPECT_EQ(dialog.result(), -1);
    EXPECT_EQ(countColour(render(dialog), QColor(200, 40, 40), image.geometry()), 36 * 36);
    // Without a picture the dialog keeps the picture's room.
    EXPECT_EQ(RuneDetailsDialog(rune, nullptr).size(), dialog.size());
}

// Every shipped rune fits one size of dialog, its controls top to bottom in the order name,
// picture, level, details, OK; a longer text of an edited rune file grows it.
TEST(RuneDetailsDialogTest, EveryShippedRuneFitsOneDialogSize) {
    const RuneTable runes = shippedRunes();
    const QPixmap picture = solidPixmap({36, 36}, Qt::red);
    const QSize size = RuneDetailsDialog(*runes.find(1), &picture).size();
    for (int n = 1; n <= kRuneCount; ++n) {
        SCOPED_TRACE(n);
        RuneDetailsDialog dialog(*runes.find(n), &picture);
        expectTidyLayout(dialog);
        EXPECT_EQ(dialog.size(), size);
        int y = -1;
        for (const char* name : {"nameLabel", "image", "levelLabel", "details", "ok"}) {
            EXPECT_GT(findControl<QWidget>(dialog, name).y(), y) << name;
            y = findControl<QWidget>(dialog, name).geometry().bottom();
        }
    }
    const Rune wordy{5,     15,
                     "Eth", "+100% Enhanced Damage Against Every Monster In The Game,a,b,c,d",
                     "e,f", "g,h"};
    RuneDetailsDialog grown(wordy, &picture);
    expectTidyLayout(grown);
    EXPECT_GT(grown.width(), size.width());
    EXPECT_GT(grown.height(), size.height());
}

}  // namespace
}  // namespace sockwright
