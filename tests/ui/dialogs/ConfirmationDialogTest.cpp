#include <gtest/gtest.h>

#include <QLabel>

#include "Texts.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/dialogs/UpdateDialog.h"

namespace sockwright {
namespace {

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
