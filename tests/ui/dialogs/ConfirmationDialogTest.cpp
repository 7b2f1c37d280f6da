#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <functional>

#include "Texts.h"
#include "support/PixelCounting.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LocalText.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// Only OK and Enter go ahead; Escape and the close box answer like Cancel. Enter presses the
// picture button that has the focus, so Enter on a focused Cancel does not go ahead.
TEST(ConfirmationDialogTest, OnlyOkAndEnterGoAhead) {
    struct Row {
        const char* what;
        std::function<void(ConfirmationDialog&)> act;
        int result;
    };
    const Row rows[] = {
        {"OK", [](ConfirmationDialog& d) { d.okButton().click(); }, QDialog::Accepted},
        {"Cancel", [](ConfirmationDialog& d) { d.cancelButton().click(); }, QDialog::Rejected},
        {"Enter", [](ConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
         QDialog::Accepted},
        {"Enter on Cancel",
         [](ConfirmationDialog& d) {
             d.cancelButton().setFocus();
             QTest::keyClick(&d, Qt::Key_Enter, Qt::KeypadModifier);
         },
         QDialog::Rejected},
        {"Escape", [](ConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
         QDialog::Rejected},
        {"close box", [](ConfirmationDialog& d) { d.close(); }, QDialog::Rejected},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ConfirmationDialog dialog;
        EXPECT_EQ(dialog.windowTitle() + "/" + dialog.message(), "Confirmation/Confirm this");
        dialog.show();
        dialog.setResult(-1);
        row.act(dialog);
        EXPECT_EQ(dialog.result(), row.result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

// The message keeps its line feeds and wraps long lines inside its area; a long message makes
// the box taller rather than running under the buttons. A name in it is never read as markup.
TEST(ConfirmationDialogTest, MessageWrapsInsideItsAreaAboveTheButtons) {
    struct Row {
        QString message;
        int minLines;
        int maxLines;
    };
    const Row rows[] = {
        {"Confirm this", 1, 1},
        {"THIS WILL PERMANENTLY DELETE THE CHARACTER \"<b>X</b>\"\nARE YOU SURE?", 2, 3},
        {fromLocalBytes(text(TextLastCharacter)), 4, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        ConfirmationDialog dialog("Caption", row.message);
        EXPECT_EQ(dialog.windowTitle(), "Caption");
        QLabel& label = dialog.messageLabel();
        EXPECT_EQ(label.textFormat(), Qt::PlainText);
        const QImage image = render(label);
        const int lines = inkBands(image, image.rect());
        EXPECT_GE(lines, row.minLines);
        EXPECT_LE(lines, row.maxLines);
        // No ink on the last rows of the label: nothing was cut off below.
        EXPECT_EQ(countPixels(image, isInk, {0, label.height() - 3, label.width(), 3}), 0);
        EXPECT_EQ(label.width(), 305) << "203 dialog units";
        for (const ImageButton* button : {&dialog.okButton(), &dialog.cancelButton()}) {
            EXPECT_GT(button->y(), label.geometry().bottom());
            EXPECT_LE(button->geometry().bottom(), dialog.height());
        }
        EXPECT_LT(dialog.cancelButton().x(), dialog.okButton().x());
    }
}

}  // namespace
}  // namespace sockwright
