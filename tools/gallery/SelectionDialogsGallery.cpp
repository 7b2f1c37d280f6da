// The Select Runes, Select Equipment and Rune Details dialogs in a few states each, drawn with
// the runtime folder's rune file and pictures.
#include <QDir>
#include <cstdio>
#include <string>
#include <utility>

#include "DialogGalleries.h"
#include "GallerySheet.h"
#include "model/EquipmentMask.h"
#include "model/FileContents.h"
#include "model/MessageSink.h"
#include "model/RuneFileReader.h"
#include "model/RuneSet.h"
#include "model/RuneTable.h"
#include "ui/dialogs/RuneDetailsDialog.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinImages.h"

namespace sockwright::pictures {
namespace {

// A missing picture is worth a line on the console, not a message box.
class ConsoleMessages : public MessageSink {
  public:
    void showMessage(const std::string& text) override {
        std::fprintf(stderr, "gallery: %s\n", text.c_str());
    }
};

// The rune with the most text to show: the widest line, then the most lines.
int longestRune(const RuneTable& runes) {
    int longest = 0;
    std::size_t longestSize = 0;
    for (int number = 1; number <= kRuneCount; ++number) {
        const Rune* rune = runes.find(number);
        if (rune == nullptr) continue;
        const std::size_t size =
            rune->weaponsText.size() + rune->armourText.size() + rune->shieldsText.size();
        if (size > longestSize) {
            longest = number;
            longestSize = size;
        }
    }
    return longest;
}

void addSelectRunes(GallerySheet& sheet, const RuneTable& runes, const SkinImages& images) {
    sheet.heading(
        "Select Runes: a new character; a part selection with ALL and 3 runes; rune counts");
    SelectRunesDialog newCharacter(runes, images);
    newCharacter.setSelection(RuneSet::all(), kAnyRuneCount, RuneLogic::Complete);
    sheet.add(newCharacter, "new character: all runes, COMPLETE, ANY");

    SelectRunesDialog partial(runes, images);
    RuneSet owned;
    owned.rows = {kWholeRuneRow, 0x0A5, 0x000};  // all Common runes, four Medium ones
    for (int number : {25, 30}) owned.add(number);
    partial.setSelection(owned, 3, RuneLogic::All);
    sheet.add(partial, "Common full, some Medium and Rare; ALL, 3");
    sheet.newRow();

    SelectRunesDialog outOfRange(runes, images);
    outOfRange.setSelection(RuneSet{}, 12, static_cast<RuneLogic>(0));
    sheet.add(outOfRange, "nothing owned; logic 0 and count 12 from a settings file mark nothing");

    SelectRunesDialog counted(runes, images);
    counted.setSelection(owned, 3, RuneLogic::All);
    RuneCounts counts = RuneCounts::oneOfEach(owned);
    for (const auto& [rune, count] : {std::pair(1, 3), {5, 12}, {8, 2}, {30, 999}})
        counts.set(rune, count);
    counted.setRuneCounts(counts);
    sheet.add(counted, "counts: 3 El, 12 Eth, 2 Ral, 999 Ber; one of the others");
}

void addSelectEquipment(GallerySheet& sheet, const SkinImages& images) {
    sheet.heading("Select Equipment: a new character; some types cleared");
    SelectEquipmentDialog all(images);
    all.setEquipment(kAllEquipment);
    sheet.add(all, "new character: everything");

    SelectEquipmentDialog some(images);
    constexpr EquipmentMask cleared =
        0x40000000 /* helms */ | 0x00000002 /* claws */ | 0x00000010 /* orbs */ | kRangedEquipment;
    some.setEquipment(kAllEquipment & ~cleared);
    sheet.add(some, "no helms, claws, orbs, bows or crossbows");
}

void addRuneDetails(GallerySheet& sheet, const RuneTable& runes, const SkinImages& images) {
    sheet.heading("Rune Details: a short text, the longest text, a rune without texts or picture");
    for (const int number : {33, longestRune(runes), 1}) {
        const Rune* rune = runes.find(number);
        if (rune == nullptr) continue;
        RuneDetailsDialog details(*rune, images.runes.highlightedOf(number));
        sheet.add(details, QString("%1 (%2)").arg(fromLocalBytes(rune->name)).arg(number));
    }
    Rune bare;
    bare.number = 7;
    bare.name = "X";
    RuneDetailsDialog missing(bare, nullptr);
    sheet.add(missing, "texts missing from the rune file, no picture");
}

}  // namespace

RuneTable readGalleryRunes(const QDir& runtime) {
    const FileContents file = readWholeFile(toLocalBytes(runtime.filePath("data/runes.txt")));
    if (file.status != FileReadStatus::Read) {
        std::fprintf(stderr, "gallery: cannot read data/runes.txt\n");
        return {};
    }
    return parseRuneFile(file.bytes);
}

// The pictures are loaded from bmp/ below the current folder, as the program loads them.
SkinImages loadGalleryImages(const QDir& runtime, const RuneTable& runes) {
    SkinImages images;
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(runtime.absolutePath())) return images;
    ConsoleMessages messages;
    loadSkinImages(runes, images, messages);
    QDir::setCurrent(previous);
    return images;
}

void addSelectionDialogs(GallerySheet& sheet, const QDir& runtime) {
    const RuneTable runes = readGalleryRunes(runtime);
    const SkinImages images = loadGalleryImages(runtime, runes);
    addSelectRunes(sheet, runes, images);
    addSelectEquipment(sheet, images);
    addRuneDetails(sheet, runes, images);
}

}  // namespace sockwright::pictures
