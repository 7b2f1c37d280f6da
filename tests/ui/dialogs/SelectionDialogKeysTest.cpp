#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>

#include "SelectionDialogChecks.h"
#include "ui/dialogs/RuneDetailsDialog.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/skin/ImageButton.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

// Enter (either key) presses OK, or Cancel while Cancel has the focus; Escape cancels.
TEST(SelectionDialogKeysTest, EnterPressesOkOrTheFocusedCancelAndEscapeCancels) {
    const RuneTable runes = shippedRunes();
    const SkinImages images = solidSkinImages();
    const std::function<std::unique_ptr<SkinnedSelectionDialog>()> dialogs[] = {
        [&] { return std::make_unique<SelectRunesDialog>(runes, images); },
        [&] { return std::make_unique<SelectEquipmentDialog>(images); },
        [&] { return std::make_unique<RuneDetailsDialog>(*runes.find(1), nullptr); },
    };
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool onCancel;
        int result;
    };
    const Key keys[] = {{Qt::Key_Return, Qt::NoModifier, false, QDialog::Accepted},
                        {Qt::Key_Enter, Qt::KeypadModifier, false, QDialog::Accepted},
                        {Qt::Key_Return, Qt::NoModifier, true, QDialog::Rejected},
                        {Qt::Key_Escape, Qt::NoModifier, false, QDialog::Rejected}};
    for (const auto& make : dialogs) {
        for (const Key& key : keys) {
            const auto dialog = make();
            SCOPED_TRACE(dialog->windowTitle().toStdString());
            ImageButton* cancel = dialog->cancelButton();
            if (key.onCancel && cancel == nullptr) continue;
            dialog->show();
            dialog->setResult(-1);
            if (key.onCancel) cancel->setFocus();
            QTest::keyClick(dialog.get(), key.key, key.modifiers);
            EXPECT_EQ(dialog->result(), key.result) << key.key;
            EXPECT_EQ(dialog->okButton().text(), "&OK");
            EXPECT_TRUE(cancel == nullptr || cancel->text() == "&Cancel");
        }
    }
}

}  // namespace
}  // namespace sockwright
