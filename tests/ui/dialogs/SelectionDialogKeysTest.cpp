#include <gtest/gtest.h>

#include <QTest>

#include "SelectionDialogChecks.h"
#include "ui/dialogs/RuneDetailsDialog.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"

namespace sockwright {
namespace {

// Enter (either key) presses OK, or Cancel while Cancel has the focus; Escape cancels.
TEST(SelectionDialogKeysTest, EnterPressesOkOrTheFocusedCancelAndEscapeCancels) {
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool, int> keys[] = {
        {Qt::Key_Return, Qt::NoModifier, false, QDialog::Accepted},
        {Qt::Key_Enter, Qt::KeypadModifier, false, QDialog::Accepted},
        {Qt::Key_Return, Qt::NoModifier, true, QDialog::Rejected},
        {Qt::Key_Escape, Qt::NoModifier, false, QDialog::Rejected}};
    const auto expectKeys = [&keys](const auto& make) {
        for (const auto& [key, modifiers, onCancel, result] : keys) {
            auto dialog = make();  // a fresh dialog, the focus where it starts
            if (onCancel && dialog.cancelButton() == nullptr) continue;
            dialog.show();
            dialog.setResult(-1);
            if (onCancel) dialog.cancelButton()->setFocus();
            QTest::keyClick(&dialog, key, modifiers);
            EXPECT_EQ(dialog.result(), result) << dialog.windowTitle().toStdString() << key;
        }
    };
    const RuneTable runes = testing::shippedRunes();
    const SkinImages images = testing::solidSkinImages();
    expectKeys([&] { return SelectRunesDialog(runes, images); });
    expectKeys([&] { return SelectEquipmentDialog(images); });
    expectKeys([&] { return RuneDetailsDialog(*runes.find(1), nullptr); });
}

}  // namespace
}  // namespace sockwright
