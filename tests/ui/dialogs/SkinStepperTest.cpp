#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QWidget>
#include <string_view>

#include "support/FindControl.h"
#include "ui/dialogs/SkinStepper.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// Each arrow moves one entry from the one shown and wraps around the list both ways, so that
// entries differing only in letter case are each reached. An index outside the list shows the
// first entry; without entries the stepper shows its empty text and the arrows do nothing.
TEST(SkinStepperTest, ArrowsMoveOneEntryFromTheOneShownAndWrap) {
    QWidget dialog;
    SkinStepper stepper("realm", "Prev", "Next", &dialog);
    QSignalSpy stepped(&stepper, &SkinStepper::stepped);
    const auto press = [&stepper](std::string_view steps) {
        QStringList shown;
        for (const char step : steps) {
            findControl<QAbstractButton>(stepper, step == '+' ? "realmNext" : "realmPrev").click();
            shown << stepper.text();
        }
        return shown.join(' ');
    };
    stepper.setEntries({"R1", "r1", "R2"});
    EXPECT_EQ(press("+++--"), "r1 R2 R1 R2 r1");
    EXPECT_EQ(stepped.count(), 5);
    stepper.setIndex(3);
    EXPECT_EQ(std::pair(stepper.index(), stepper.text()), std::pair(0, QString("R1")));

    stepper.setEntries({}, "NO REALM");
    EXPECT_EQ(press("+-"), "NO REALM NO REALM");
    EXPECT_EQ(stepper.index(), -1);
    EXPECT_EQ(stepped.count(), 5);
}

}  // namespace
}  // namespace sockwright
