#pragma once

#include <QString>
#include <filesystem>

#include "savefile/SaveFileImport.h"
#include "savefile/SaveFileReader.h"
#include "ui/dialogs/SkinnedDialog.h"

class QLabel;

namespace sockwright {

class LabelButton;
class RuneTable;

// What a save file holds, shown before anything is taken from it: a character's name, class,
// level and type with his runes, loose (by place) and socketed, and the account's slot OK puts him
// in (his own or a free one); a shared stash's runes with the
// choice to add them to the selected character's counts or to replace those. A file that could not
// be read shows why, with OK alone. Cancel, Escape and the close box take nothing.
class ImportSummaryDialog : public SkinnedDialog {
    Q_OBJECT
  public:
    static inline const QString kTitle = QStringLiteral("Import from Save");

    // account is the one a character goes into; targetName names the character a stash's runes
    // go to.
    ImportSummaryDialog(const std::filesystem::path& file, const savefile::SaveFileReading& reading,
                        const RuneTable& runes, const Account& account, const QString& targetName,
                        QWidget* parent = nullptr);

    savefile::StashImport stashImport() const { return stashImport_; }
    void setStashImport(savefile::StashImport how);

    // Controls by object name: "summary", "addRunes" and "replaceRunes" (stashes), "ok", "cancel"
    // (not for a file that could not be read).

  private:
    LabelButton* makeChoice(const char* name, const QString& text, int mnemonicKey,
                            savefile::StashImport how);

    QLabel* summary_;
    LabelButton* add_ = nullptr;
    LabelButton* replace_ = nullptr;
    savefile::StashImport stashImport_ = savefile::StashImport::Add;
};

}  // namespace sockwright
