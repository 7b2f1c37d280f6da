#include "savefile/RuneListing.h"

#include "model/CharacterClass.h"

namespace sockwright::savefile {

std::string runeListing(const std::string& shownPath, const SaveFileReading& reading,
                        const RuneTable& runes) {
    std::string text = "file: " + shownPath + "\n";
    if (!reading.ok()) return text + "error: " + reading.reason + "\n";
    const SaveFileSummary& summary = *reading.summary;
    if (summary.kind == SaveFileKind::Character) {
        text += "character: " + summary.name + " " + characterClassName(summary.characterClass) +
                " " + std::to_string(summary.level) + "\n";
    } else {
        text += std::string("stash: ") + (summary.hardcore ? "hardcore" : "softcore") + "\n";
    }
    const RuneCounts loose = summary.allLoose();
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        const int looseCount = loose.count(rune);
        const int socketed = summary.socketed.count(rune);
        if (looseCount == 0 && socketed == 0) continue;
        text += "rune " + runes.nameOf(rune) + " loose " + std::to_string(looseCount) +
                " socketed " + std::to_string(socketed) + "\n";
    }
    return text;
}

}  // namespace sockwright::savefile
