// The Rune Planner in its states: a character who owns nothing, one with a mid-game stash of
// counted runes and two goals (the shopping list), a cube plan, a search with its matched lines
// lit, and who on the accounts can make a runeword (a cube plan the stash cannot reach).
#include <QDir>
#include <memory>
#include <utility>

#include "DialogGalleries.h"
#include "GallerySheet.h"
#include "model/AccountList.h"
#include "model/CharacterRunes.h"
#include "model/FileContents.h"
#include "model/RuneTable.h"
#include "model/RunewordFileReader.h"
#include "ui/dialogs/PlannerList.h"
#include "ui/dialogs/RunePlannerDialog.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinImages.h"

namespace sockwright::pictures {
namespace {

std::shared_ptr<const RunewordList> readRunewords(const QDir& runtime, const RuneTable& runes) {
    const FileContents file = readWholeFile(toLocalBytes(runtime.filePath("data/runewords.txt")));
    if (file.status != FileReadStatus::Read) return std::make_shared<RunewordList>();
    RunewordFileParse parsed = parseRunewordFile(file.bytes, runes);
    if (!parsed.runewords) return std::make_shared<RunewordList>();
    return parsed.runewords;
}

RuneSet runesUpTo(int highest) {
    RuneSet runes;
    for (int rune = 1; rune <= highest; ++rune) runes.add(rune);
    return runes;
}

// Main: a character who owns nothing and one with the runes up to Dol and Lem, several of the
// low ones, aiming at Spirit, Insight and Authority; Ladder: two characters far along.
struct GalleryAccounts {
    AccountList list;
    Account* main = nullptr;

    GalleryAccounts() {
        main = list.addAccount("Main", "USEast", "NEWBIE", 1, 0, 1);
        main->characters[0].runes = RuneSet{};
        followRuneBits(main->characters[0]);
        list.addCharacter(*main, "KALIYA", 24, 0, 1);
        Character& kaliya = main->characters[1];
        RuneSet stash = runesUpTo(14);
        stash.add(20);
        kaliya.runes = stash;
        followRuneBits(kaliya);
        for (const auto& [rune, count] :
             {std::pair(1, 9), {2, 7}, {3, 5}, {6, 4}, {8, 6}, {9, 3}, {14, 4}})
            setRuneCount(kaliya, rune, count);
        pinGoal(kaliya.goals, "Spirit");
        pinGoal(kaliya.goals, "Insight");
        pinGoal(kaliya.goals, "Authority");
        Account* ladder = list.addAccount("Ladder", "Europe", "SHADE", 86, 1, 1);
        ladder->characters[0].runes = runesUpTo(31);
        followRuneBits(ladder->characters[0]);
        list.addCharacter(*ladder, "GRUNT", 99, 2, 2);  // a new character owns every rune
    }
};

const Runeword* named(const RunewordList& runewords, const char* name) {
    for (const Runeword& runeword : runewords) {
        if (runeword.name == name) return &runeword;
    }
    return nullptr;
}

}  // namespace

void addPlannerDialogs(GallerySheet& sheet, const QDir& runtime) {
    const RuneTable runes = readGalleryRunes(runtime);
    const SkinImages images = loadGalleryImages(runtime, runes);
    const std::shared_ptr<const RunewordList> runewords = readRunewords(runtime, runes);
    GalleryAccounts accounts;

    sheet.heading(
        "Rune Planner: nothing owned; a stash up to Dol and Lem; a search; who can make Enigma");
    accounts.list.setCurrent(accounts.main, 0);
    RunePlannerDialog nothing(accounts.list, runewords, runes, images.runes);
    sheet.add(nothing, "NEWBIE owns no rune: the hunt starts at El");

    accounts.list.setCurrent(accounts.main, 1);
    RunePlannerDialog stash(accounts.list, runewords, runes, images.runes);
    auto* oneAway = stash.findChild<PlannerList*>("oneRuneAway");
    if (oneAway != nullptr) oneAway->selectRow(1);
    sheet.add(stash, "KALIYA (level 24): cube lines lit where the rune below is owned; his goals");

    RunePlannerDialog cube(accounts.list, runewords, runes, images.runes);
    auto* withCube = cube.findChild<PlannerList*>("canMakeWithCube");
    if (withCube != nullptr) withCube->selectRow(0);
    // The shopping list's end: the cube plan of all goals together and its gems.
    if (auto* goals = cube.findChild<PlannerList*>("goals")) goals->scrollToBottom();
    sheet.add(cube, "a runeword he can make with the cube: its cube plan; the shopping list's end");

    RunePlannerDialog search(accounts.list, runewords, runes, images.runes);
    search.find("fcr, all res");
    auto* found = search.findChild<PlannerList*>("found");
    if (found != nullptr) found->selectRow(0);
    sheet.add(search, "find \"fcr, all res\": the matching lines in white");

    RunePlannerDialog who(accounts.list, runewords, runes, images.runes);
    if (const Runeword* enigma = named(*runewords, "Enigma")) who.openOn(*enigma);
    sheet.add(who, "a right click on Enigma in the main window: who can make it; not reachable");
}

}  // namespace sockwright::pictures
