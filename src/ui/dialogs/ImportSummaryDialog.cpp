#include "ui/dialogs/ImportSummaryDialog.h"

#include <QKeySequence>
#include <QLabel>
#include <algorithm>

#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "model/RuneTable.h"
#include "ui/DialogUnits.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

using savefile::RuneLocation;
using savefile::SaveFileKind;
using savefile::SaveFileSummary;
using savefile::StashImport;

constexpr int kMargin = 8;
constexpr int kGap = 8;
constexpr int kChoiceHeight = 20;
constexpr int kSummaryWidthUnits = 240;

QString runeName(const RuneTable& runes, int number) {
    return fromLocalBytes(runes.nameOf(number)).toUpper();
}

// "RAL 3 (INVENTORY 1, STASH 2)" for each rune held in these counts, one a line.
QString runeLines(const SaveFileSummary& summary, const RuneTable& runes) {
    static const struct {
        RuneLocation location;
        const char* name;
    } kPlaces[] = {{RuneLocation::Inventory, "INVENTORY"},
                   {RuneLocation::PersonalStash, "STASH"},
                   {RuneLocation::HoradricCube, "CUBE"},
                   {RuneLocation::SharedStash, "SHARED STASH"},
                   {RuneLocation::Elsewhere, "ELSEWHERE"}};
    const RuneCounts loose = summary.allLoose();
    QString text;
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        if (loose.count(rune) == 0) continue;
        QStringList places;
        for (const auto& place : kPlaces) {
            const int count = summary.looseAt(place.location).count(rune);
            if (count > 0)
                places << QStringLiteral("%1 %2").arg(QLatin1String(place.name)).arg(count);
        }
        text += QStringLiteral("%1 %2").arg(runeName(runes, rune)).arg(loose.count(rune));
        // A stash holds its runes in one place: the place adds nothing.
        if (summary.kind == SaveFileKind::Character) text += " (" + places.join(", ") + ")";
        text += '\n';
    }
    return text.isEmpty() ? QStringLiteral("NONE\n") : text;
}

QString socketedLine(const SaveFileSummary& summary, const RuneTable& runes) {
    QStringList held;
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        const int count = summary.socketed.count(rune);
        if (count > 0) held << QStringLiteral("%1 %2").arg(runeName(runes, rune)).arg(count);
    }
    return held.isEmpty() ? QString()
                          : QStringLiteral("\nIN SOCKETS, NOT COUNTED: %1\n").arg(held.join(", "));
}

// "OK UPDATES RUNA (SLOT 1)" or "OK ADDS RUNA IN SLOT 3", the way the import itself decides.
QString slotLine(const Account& account, const SaveFileSummary& character) {
    const auto target = savefile::importTarget(account, character);
    if (!target) return {};
    const QString name = fromLocalBytes(character.name).toUpper();
    return (target->updates ? QStringLiteral("OK UPDATES %1 (SLOT %2)\n")
                            : QStringLiteral("OK ADDS %1 IN SLOT %2\n"))
        .arg(name)
        .arg(target->slot + 1);
}

QString characterSummary(const SaveFileSummary& character, const RuneTable& runes,
                         const Account& account) {
    const QLatin1String className(characterClassName(character.characterClass));
    const int type = savefile::characterTypeOf(character);
    QString typeText = QLatin1String(kCharacterTypeNames[static_cast<std::size_t>(type)]);
    if (character.hardcore && character.expansion) typeText += QStringLiteral(" EXPANSION");
    return QStringLiteral(
               "%1\nLEVEL %2 %3, %4 CHARACTER\n\nLOOSE RUNES:\n%5%6\n"
               "%7OK MAKES THESE LOOSE RUNES HIS RUNE COUNTS.")
        .arg(fromLocalBytes(character.name))
        .arg(character.level)
        .arg(className, typeText, runeLines(character, runes), socketedLine(character, runes),
             slotLine(account, character));
}

QString stashSummary(const SaveFileSummary& stash, const RuneTable& runes) {
    return QStringLiteral("SHARED STASH, %1\n\nRUNES:\n%2%3")
        .arg(stash.hardcore ? QStringLiteral("HARDCORE") : QStringLiteral("SOFTCORE"),
             runeLines(stash, runes), socketedLine(stash, runes));
}

}  // namespace

ImportSummaryDialog::ImportSummaryDialog(const std::filesystem::path& file,
                                         const savefile::SaveFileReading& reading,
                                         const RuneTable& runes, const Account& account,
                                         const QString& targetName, QWidget* parent)
    : SkinnedDialog(kTitle, kWhite, parent), summary_(new QLabel(this)) {
    summary_->setObjectName(QStringLiteral("summary"));
    // Plain text: names from the file are shown as they are, never read as markup.
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    summary_->setFont(skinFont(textSize::kLabel));

    const bool stash = reading.ok() && reading.summary->kind == SaveFileKind::SharedStash;
    if (!reading.ok()) {
        summary_->setText(fromLocalBytes(reading.message(file)) +
                          QStringLiteral("\n\nNothing was changed."));
    } else if (stash) {
        summary_->setText(stashSummary(*reading.summary, runes));
        add_ = makeChoice("addRunes", QStringLiteral("ADD TO %1'S RUNES").arg(targetName),
                          Qt::Key_A, StashImport::Add);
        replace_ = makeChoice("replaceRunes", QStringLiteral("REPLACE %1'S RUNES").arg(targetName),
                              Qt::Key_R, StashImport::Replace);
        setStashImport(StashImport::Add);
    } else {
        summary_->setText(characterSummary(*reading.summary, runes, account));
    }
    addButtons(reading.ok() ? Buttons::CancelThenOk : Buttons::Ok);
    okButton().setFocus();

    const int width = dialogUnitsAcross(kSummaryWidthUnits);
    const int summaryHeight = summary_->heightForWidth(width);
    summary_->setGeometry(kMargin, kMargin, width, summaryHeight);
    int top = kMargin + summaryHeight + kGap;
    for (LabelButton* choice : {add_, replace_}) {
        if (choice == nullptr) continue;
        choice->setGeometry(kMargin, top, width, kChoiceHeight);
        top += kChoiceHeight;
    }
    if (stash) top += kGap;
    int rowHeight = okButton().height();
    if (cancelButton() != nullptr) {
        rowHeight = placeCancelAndOk(kMargin, kMargin + width, top);
    } else {
        okButton().move(kMargin + (width - okButton().width()) / 2, top);
    }
    setFixedSize(width + 2 * kMargin, top + rowHeight + kMargin);
}

LabelButton* ImportSummaryDialog::makeChoice(const char* name, const QString& text, int mnemonicKey,
                                             StashImport how) {
    LabelButton* choice = makeSkinLabel(this, QLatin1String(name), text);
    choice->setLeft();
    choice->setShortcut(QKeySequence(Qt::ALT | mnemonicKey));
    connect(choice, &QAbstractButton::clicked, this, [this, how] { setStashImport(how); });
    return choice;
}

void ImportSummaryDialog::setStashImport(StashImport how) {
    stashImport_ = how;
    // The chosen way in white, the other in grey.
    if (add_ != nullptr) add_->setTextColour(how == StashImport::Add ? kWhite : kGrey);
    if (replace_ != nullptr) replace_->setTextColour(how == StashImport::Replace ? kWhite : kGrey);
}

}  // namespace sockwright
