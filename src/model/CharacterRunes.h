#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Character.h"

namespace sockwright {

// Every change to a character's rune counts or rune bits goes through these, so that the two
// always agree: a rune's bit is set exactly when its count is at least one. Bits outside the 33
// runes are left as they are.

// Sets one rune's count (clamped to 0..999) and its bit from it. Rune numbers outside 1..33 do
// nothing.
void setRuneCount(Character& character, int rune, int count);
// Sets every rune's count, and the bits of runes 1..33 from them.
void setRuneCounts(Character& character, const RuneCounts& counts);

// Makes the counts follow the bits after the bits changed (a toggle, a whole row set or cleared,
// a load): a set bit whose count was 0 counts 1, a set bit keeps a higher count, a cleared bit
// counts 0.
void followRuneBits(Character& character);

// Goals are runeword names in the order they were pinned, each once (Character::goals, or a copy
// of them a dialog edits).

// Whether a text can be a goal: a runeword name is one line, never empty.
bool isGoalName(std::string_view runeword);
bool isPinned(const std::vector<std::string>& goals, std::string_view runeword);
// Adds a runeword to the goals, after those pinned before; false when it is there already or the
// name is no runeword name (empty, or holding a line break or zero byte).
bool pinGoal(std::vector<std::string>& goals, std::string_view runeword);
// Removes a runeword from the goals; false when it was not there.
bool unpinGoal(std::vector<std::string>& goals, std::string_view runeword);
// Unpins a pinned runeword, else pins it.
void togglePin(std::vector<std::string>& goals, std::string_view runeword);

}  // namespace sockwright
