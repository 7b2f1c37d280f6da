#include <gtest/gtest.h>

#include <QTest>
#include <tuple>

#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/skin/ImageButton.h"

namespace sockwright {
namespace {

// Enter presses the picture button that has the focus: OK, unless Cancel has it. Escape and the
// close box answer like Cancel. (The buttons themselves answer in SelectCharacterDialogTest.)
TEST(ConfirmationDialogTest, EnterGoesAheadUnlessCancelHasTheFocus) {
    // The key, Qt::Key_unknown for the close box; whether Cancel has the focus; the result.
    const std::tuple<Qt::Key, bool, int> rows[] = {
        {Qt::Key_Return, false, QDialog::Accepted},
        {Qt::Key_Enter, true, QDialog::Rejected},
        {Qt::Key_Escape, false, QDialog::Rejected},
        {Qt::Key_unknown, false, QDialog::Rejected},
    };
    for (const auto& [key, cancelFocused, result] : rows) {
        SCOPED_TRACE(key);
        ConfirmationDialog dialog;
        EXPECT_EQ(dialog.windowTitle() + "/" + dialog.message(), "Confirmation/Confirm this");
        dialog.show();
        dialog.setResult(-1);
        if (cancelFocused) dialog.cancelButton().setFocus();
        if (key == Qt::Key_unknown) {
            dialog.close();
        } else {
            QTest::keyClick(&dialog, key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        EXPECT_EQ(dialog.result(), result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
}  // namespace sockwright
