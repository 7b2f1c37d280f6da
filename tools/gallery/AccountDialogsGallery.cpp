// The account and character dialogs in their states, with the runtime folder's class pictures
// and realm list.
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <string>

#include "DialogGalleries.h"
#include "GallerySheet.h"
#include "Texts.h"
#include "model/AccountList.h"
#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "model/FileContents.h"
#include "model/RealmFileReader.h"
#include "model/RealmList.h"
#include "model/RuneTable.h"
#include "savefile/SaveFileReader.h"
#include "ui/DialogService.h"
#include "ui/dialogs/CharacterDialog.h"
#include "ui/dialogs/ConfirmationDialog.h"
#include "ui/dialogs/ImportSummaryDialog.h"
#include "ui/dialogs/NewAccountDialog.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/dialogs/UpdateDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinImages.h"

namespace sockwright::pictures {
namespace {

// The gallery only draws the dialogs; nothing is ever run.
class NoDialogs : public DialogService {
  public:
    int runDialog(QDialog&) override { return 0; }
    void showMessage(QWidget*, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return false; }
    void openLink(const QString&) override {}
    void showRuneDetails(QWidget*, const Rune&, const QPixmap*) override {}
};

// Makes the runtime folder current while it lives, for the portraits looked up under char/.
class InFolder {
  public:
    explicit InFolder(const QDir& folder) : previous_(QDir::currentPath()) {
        QDir::setCurrent(folder.absolutePath());
    }
    ~InFolder() { QDir::setCurrent(previous_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    QString previous_;
};

ClassImages classImages(const QDir& runtime) {
    ClassImages classes;
    for (std::size_t i = 0; i < classes.images.size(); ++i) {
        classes.images[i] =
            QPixmap(runtime.filePath(QStringLiteral("char/%1.bmp").arg(kCharacterClassNames[i])));
    }
    return classes;
}

RealmList realms(const QDir& runtime) {
    const FileContents file = readWholeFile(toLocalBytes(runtime.filePath("data/realms.txt")));
    return file.status == FileReadStatus::Read ? parseRealmFile(file.bytes) : RealmList{};
}

// "Main" on USEast with three characters of mixed types, the current one in slot 1, and a full
// account after it.
void fillAccounts(AccountList& accounts) {
    Account* main = accounts.addAccount("Main", "USEast", "KALIYA", 12, 0, kClassicCharacter);
    accounts.addCharacter(*main, "MORTIS", 75, 4, kHardcoreCharacter);
    accounts.addCharacter(*main, "ILSA", 99, 5, kExpansionCharacter);
    accounts.setCurrent(main, 1);
    const char* names[] = {"SHADE",  "GRUNT",  "ROWAN",   "AUBREY",
                           "TYRAEL", "ASHARA", "NATALYA", "KASHYA"};
    Account* full = accounts.addAccount("Ladder", "Europe", names[0], 80, 1, kExpansionCharacter);
    for (int slot = 1; slot < kCharacterSlots; ++slot) {
        accounts.addCharacter(*full, names[slot], 10 + 12 * slot, slot % 7, slot % 3);
    }
}

// A character with runes in every place and in sockets (new to the account, then already in it),
// a hardcore shared stash, and a file that could not be read.
void addImportSummaries(GallerySheet& sheet, const RuneTable& runes) {
    using namespace savefile;
    sheet.heading("Import from Save: a character, a shared stash, a file that cannot be read");
    SaveFileSummary hero;
    hero.name = "Runa";
    hero.characterClass = 7;
    hero.level = 42;
    hero.expansion = true;
    hero.looseAt(RuneLocation::Inventory).set(8, 2);
    hero.looseAt(RuneLocation::PersonalStash).set(8, 1);
    hero.looseAt(RuneLocation::HoradricCube).set(13, 1);
    hero.looseAt(RuneLocation::PersonalStash).set(25, 1);
    hero.socketed.set(9, 2);
    AccountList accounts;
    Account& account = *accounts.addAccount("Main", "USEast", "KALIYA", 24, 0, 1);
    ImportSummaryDialog character("Runa.d2s", SaveFileReading{hero, {}}, runes, account, "KALIYA");
    sheet.add(character, "Import from Save: character, added");
    accounts.addCharacter(account, "Mortis", 75, 4, 2);
    accounts.addCharacter(account, "RUNA", 30, 7, 1);
    ImportSummaryDialog known("Runa.d2s", SaveFileReading{hero, {}}, runes, account, "KALIYA");
    sheet.add(known, "Import from Save: character, updated");

    SaveFileSummary stash;
    stash.kind = SaveFileKind::SharedStash;
    stash.hardcore = true;
    stash.looseAt(RuneLocation::SharedStash).set(1, 99);
    stash.looseAt(RuneLocation::SharedStash).set(30, 2);
    ImportSummaryDialog shared("SharedStashHardCoreV2.d2i", SaveFileReading{stash, {}}, runes,
                               account, "KALIYA");
    sheet.add(shared, "Import from Save: shared stash, add");
    shared.setStashImport(StashImport::Replace);
    sheet.add(shared, "Import from Save: shared stash, replace");

    ImportSummaryDialog refused("Notes.d2s",
                                SaveFileReading{std::nullopt, "it is not a save file of the game"},
                                runes, account, "KALIYA");
    sheet.add(refused, "Import from Save: a file that cannot be read");
}

}  // namespace

void addAccountDialogs(GallerySheet& sheet, const QDir& runtime) {
    const ClassImages classes = classImages(runtime);
    const RealmList realmList = realms(runtime);
    const InFolder inRuntime(runtime);
    NoDialogs dialogs;
    AccountList accounts;
    fillAccounts(accounts);

    // One heading and the dialogs side by side, wrapped by the sheet, to keep the sheet short.
    sheet.heading(
        "Select Character (three characters, slot 1 selected; a full account), Character, New "
        "Account, Confirmation");
    const RuneTable runes = readGalleryRunes(runtime);
    SelectCharacterDialog selectCharacter(accounts, realmList, runes, classes, dialogs);
    sheet.add(selectCharacter, "Select Character: USEast: Main, MORTIS selected");

    CharacterDialog newCharacter;
    newCharacter.setLevel(99);
    sheet.add(newCharacter, "Character: new character");
    CharacterDialog edit;
    edit.setName("MORTIS");
    edit.setLevel(75);
    edit.setCharacterClass(4);
    edit.setCharacterType(kHardcoreCharacter);
    sheet.add(edit, "Character: edit MORTIS");

    selectCharacter.showNextAccount();
    sheet.add(selectCharacter, "Select Character: Europe: Ladder, full");
    CharacterDialog firstCharacter;
    sheet.add(firstCharacter, "Character: an account's first character");
    NewAccountDialog newAccount(realmList, accounts);
    sheet.add(newAccount, "New Account: opened");

    NewAccountDialog duplicate(realmList, accounts);
    duplicate.findChild<QLineEdit*>("name")->setText("main");
    duplicate.findChild<ImageButton*>("ok")->click();
    sheet.add(duplicate, "New Account: that account exists");
    const RealmList noRealms;
    NewAccountDialog empty(noRealms, accounts);
    sheet.add(empty, "New Account: empty realm list");

    ConfirmationDialog defaults;
    sheet.add(defaults, "Confirmation: defaults");
    ConfirmationDialog confirmDelete(
        SelectCharacterDialog::kConfirm,
        QStringLiteral("THIS WILL PERMANENTLY DELETE THE CHARACTER \"MORTIS\"\nARE YOU SURE?"));
    sheet.add(confirmDelete, "Confirmation: Confirm");
    ConfirmationDialog refusal(SelectCharacterDialog::kCannotDeleteCharacter,
                               fromLocalBytes(text(TextLastCharacter)));
    sheet.add(refusal, "Confirmation: Cannot Delete Character");

    addImportSummaries(sheet, runes);

    sheet.heading("Update: opened, then each message of the update flow");
    UpdateDialog opened;
    sheet.add(opened, "Update: opened");
    const struct {
        int text;
        const char* state;
    } updateMessages[] = {{TextNewProgramVersion, "Update: newer program"},
                          {TextNewRunewords, "Update: newer runewords"},
                          {TextRunewordsUpdated, "Update: downloaded"},
                          {TextRunewordDownloadFailed, "Update: download failed"},
                          {TextRunewordReloadFailed, "Update: cannot be loaded"}};
    UpdateDialog update;
    update.setCaption(QStringLiteral("Sockwright Update"));
    for (const auto& message : updateMessages) {
        update.setMessage(fromLocalBytes(text(message.text)));
        sheet.add(update, message.state);
    }
}

}  // namespace sockwright::pictures
