#include <gtest/gtest.h>

#include "SelectionDialogChecks.h"
#include "support/FindControl.h"
#include "ui/dialogs/RuneDetailsDialog.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// Name and number, level, then each bonus with one line per comma-separated part; a text
// missing from the rune file keeps its "?".
TEST(RuneDetailsDialogTest, ShowsNameNumberLevelAndOneLinePerBonusPart) {
    const std::pair<Rune, const char*> cases[] = {
        {{7, 17, "X", "a,b,c,d", "R", "S"},
         "X (7)|REQUIRED LEVEL: 17|Weapons/a/b/c/d//Armour/R//Shields/S"},
        {{33, 1, "Zod", "?", "?", "?"},
         "Zod (33)|REQUIRED LEVEL: 1|Weapons/?//Armour/?//Shields/?"},
    };
    for (const auto& [rune, texts] : cases) {
        const RuneDetailsDialog dialog(rune, nullptr);
        QStringList shown;
        for (const char* name : {"nameLabel", "levelLabel", "details"})
            shown << findControl<QAbstractButton>(dialog, name).text().replace('\n', '/');
        EXPECT_EQ(shown.join('|'), texts);
    }
}

// Every shipped rune fits one size of dialog, which keeps the picture's room without a picture; a
// longer text of an edited rune file grows it.
TEST(RuneDetailsDialogTest, EveryShippedRuneFitsOneDialogSize) {
    const RuneTable runes = shippedRunes();
    const QPixmap picture = solidPixmap({36, 36}, Qt::red);
    const RuneDetailsDialog first(*runes.find(1), &picture);
    EXPECT_TRUE(samePicture(findControl<ImageButton>(first, "image").image(), picture));
    EXPECT_EQ(RuneDetailsDialog(*runes.find(1), nullptr).size(), first.size());
    for (int n = 1; n <= kRuneCount; ++n) {
        const RuneDetailsDialog dialog(*runes.find(n), &picture);
        expectTidyLayout(dialog);
        EXPECT_EQ(dialog.size(), first.size()) << n;
    }
    const RuneDetailsDialog grown(
        {5, 15, "Eth", "+100% Enhanced Damage Against Every Monster In The Game,a,b,c,d", "e,f",
         "g"},
        &picture);
    expectTidyLayout(grown);
    EXPECT_TRUE(grown.width() > first.width() && grown.height() > first.height());
}

}  // namespace
}  // namespace sockwright
