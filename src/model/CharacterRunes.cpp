#include "model/CharacterRunes.h"

#include <algorithm>
#include <string>

namespace sockwright {

void setRuneCount(Character& character, int rune, int count) {
    if (!isRuneNumber(rune)) return;
    character.runeCounts.set(rune, count);
    if (character.runeCounts.count(rune) > 0) {
        character.runes.add(rune);
    } else {
        character.runes.remove(rune);
    }
}

void followRuneBits(Character& character) {
    RuneCounts& counts = character.runeCounts;
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        if (!character.runes.contains(rune)) {
            counts.set(rune, 0);
        } else if (counts.count(rune) == 0) {
            counts.set(rune, 1);
        }
    }
}

bool isGoalName(std::string_view runeword) {
    return !runeword.empty() &&
           runeword.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool pinGoal(Character& character, std::string_view runeword) {
    if (!isGoalName(runeword)) return false;
    auto& goals = character.goals;
    if (std::find(goals.begin(), goals.end(), runeword) != goals.end()) return false;
    goals.emplace_back(runeword);
    return true;
}

bool unpinGoal(Character& character, std::string_view runeword) {
    auto& goals = character.goals;
    const auto found = std::find(goals.begin(), goals.end(), runeword);
    if (found == goals.end()) return false;
    goals.erase(found);
    return true;
}

}  // namespace sockwright
