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

void setRuneCounts(Character& character, const RuneCounts& counts) {
    for (int rune = 1; rune <= kRuneCount; ++rune)
        setRuneCount(character, rune, counts.count(rune));
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

bool isPinned(const std::vector<std::string>& goals, std::string_view runeword) {
    return std::find(goals.begin(), goals.end(), runeword) != goals.end();
}

bool pinGoal(std::vector<std::string>& goals, std::string_view runeword) {
    if (!isGoalName(runeword) || isPinned(goals, runeword)) return false;
    goals.emplace_back(runeword);
    return true;
}

bool unpinGoal(std::vector<std::string>& goals, std::string_view runeword) {
    const auto found = std::find(goals.begin(), goals.end(), runeword);
    if (found == goals.end()) return false;
    goals.erase(found);
    return true;
}

void togglePin(std::vector<std::string>& goals, std::string_view runeword) {
    if (!unpinGoal(goals, runeword)) pinGoal(goals, runeword);
}

}  // namespace sockwright
