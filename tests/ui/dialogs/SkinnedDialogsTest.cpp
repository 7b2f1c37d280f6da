// Every skinned dialog of the program, as it opens: how the keyboard and the close box end it,
// and how its controls stand.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QShortcut>
#include <QTest>
#include <functional>
#include <memory>
#include <tuple>

#include "model/AccountList.h"
#include "ui/RecordingDialogService.h"
#include "ui/dialogs/AboutTextDialog.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/dialogs/DialogChecks.h"
#include "ui/dialogs/ImportSummaryDialog.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/dialogs/RuneDetailsDialog.h"
#include "ui/dialogs/RunePlannerDialog.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/dialogs/UpdateDialog.h"

namespace sockwright {
namespace {

using namespace sockwright::testing;

class SkinnedDialogsTest : public ::testing::Test {
  protected:
    using Make = std::function<std::unique_ptr<SkinnedDialog>()>;

    SkinnedDialogsTest() {
        for (QPixmap& picture : classes.images) picture = solidPixmap({64, 64}, Qt::gray);
        Account* main = accounts.addAccount("Main", "USEast", "KALIYA", 24, 0, 1);
        main->characters[0].runes = RuneSet::all();
        accounts.addCharacter(*main, "MORTIS", 75, 4, 2);
        accounts.setCurrent(main, 1);
    }

    // Each dialog, made afresh as the program makes it.
    std::vector<std::pair<const char*, Make>> dialogs() {
        const auto make = [](auto construct) -> Make {
            return [construct] { return std::unique_ptr<SkinnedDialog>(construct()); };
        };
        return {
            {"Select Runes", make([this] { return new SelectRunesDialog(runes, images); })},
            {"Select Equipment", make([this] { return new SelectEquipmentDialog(images); })},
            {"Rune Details",
             make([this] { return new RuneDetailsDialog(*runes.find(31), &picture); })},
            {"Character", make([] { return new CharacterDialog; })},
            {"New Account", make([this] { return new NewAccountDialog(realms, accounts); })},
            {"Select Character", make([this] {
                 return new SelectCharacterDialog(accounts, realms, runes, classes, service);
             })},
            {"Import from Save", make([this] {
                 savefile::SaveFileSummary stash;
                 stash.kind = savefile::SaveFileKind::SharedStash;
                 stash.looseAt(savefile::RuneLocation::SharedStash).set(33, 99);
                 return new ImportSummaryDialog("SharedStashSoftCoreV2.d2i", {stash, {}}, runes,
                                                *accounts.head(), QStringLiteral("KALIYA"));
             })},
            {"Confirmation", make([] { return new ConfirmationDialog; })},
            {"Update", make([] { return new UpdateDialog; })},
            {"Rune Planner", make([this] {
                 return new RunePlannerDialog(accounts, runewords, runes, images.runes);
             })},
            {"About", make([] { return new AboutTextDialog; })},
        };
    }

    const RuneTable runes = shippedRunes();
    const std::shared_ptr<const RunewordList> runewords = shippedRunewords(runes);
    const SkinImages images = solidSkinImages();
    const QPixmap picture = solidPixmap({36, 36}, Qt::red);
    const RealmList realms{"USEast", "Europe"};
    ClassImages classes;
    AccountList accounts;
    RecordingDialogService service;
};

// Enter (either key) presses OK, or Cancel while Cancel has the focus; Escape and the close box
// cancel.
TEST_F(SkinnedDialogsTest, EnterIsOkUnlessCancelHasTheFocusEscapeAndTheCloseBoxCancel) {
    // The key, Qt::Key_unknown for the close box; whether Cancel has the focus; the result.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool, int> endings[] = {
        {Qt::Key_Return, Qt::NoModifier, false, QDialog::Accepted},
        {Qt::Key_Enter, Qt::KeypadModifier, false, QDialog::Accepted},
        {Qt::Key_Return, Qt::NoModifier, true, QDialog::Rejected},
        {Qt::Key_Escape, Qt::NoModifier, false, QDialog::Rejected},
        {Qt::Key_unknown, Qt::NoModifier, false, QDialog::Rejected},
    };
    for (const auto& [title, make] : dialogs()) {
        for (const auto& [key, modifiers, onCancel, result] : endings) {
            SCOPED_TRACE(std::string(title) + " " + std::to_string(key));
            const std::unique_ptr<SkinnedDialog> dialog = make();
            if (onCancel && dialog->cancelButton() == nullptr) continue;
            dialog->show();
            dialog->setResult(-1);
            if (onCancel) dialog->cancelButton()->setFocus();
            if (key == Qt::Key_unknown) {
                dialog->close();
            } else {
                QTest::keyClick(dialog.get(), key, modifiers);
            }
            EXPECT_EQ(dialog->result(), result);
            EXPECT_FALSE(dialog->isVisible());
        }
    }
}

// Every control apart and every text whole; no two controls answer the same Alt key.
TEST_F(SkinnedDialogsTest, ControlsStandApartTextsAreWholeAndMnemonicsUnique) {
    for (const auto& [title, make] : dialogs()) {
        SCOPED_TRACE(title);
        const std::unique_ptr<SkinnedDialog> dialog = make();
        expectTidyLayout(*dialog);
        QList<QKeySequence> keys;
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (!button->shortcut().isEmpty()) keys << button->shortcut();
        for (const QShortcut* shortcut : dialog->findChildren<QShortcut*>())
            keys << shortcut->key();
        for (const QKeySequence& key : keys)
            EXPECT_EQ(keys.count(key), 1) << key.toString().toStdString();
    }
}

}  // namespace
}  // namespace sockwright
