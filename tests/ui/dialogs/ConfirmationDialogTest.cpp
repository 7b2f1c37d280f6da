#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <tuple>

#include "Texts.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/dialogs/UpdateDialog.h"
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

// The Update box is the same box with more room: each message of the update flow fits its
// message area without growing it, and one box shows each new message in turn.
TEST(ConfirmationDialogTest, TheUpdateBoxHoldsEveryUpdateMessageInItsLargerArea) {
    UpdateDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Update"));
    const ConfirmationDialog small;
    EXPECT_GT(dialog.width(), small.width());
    const QSize openedSize = dialog.size();
    for (const int id : {TextNewProgramVersion, TextNewRunewords, TextRunewordsUpdated,
                         TextRunewordDownloadFailed, TextRunewordReloadFailed}) {
        const QString message = QString::fromLatin1(text(id).data(), text(id).size());
        dialog.setMessage(message);
        EXPECT_EQ(dialog.messageLabel().text(), message);
        EXPECT_EQ(dialog.size(), openedSize) << id;
    }
}

}  // namespace
}  // namespace sockwright
