#pragma once

#include <array>
#include <string>

#include "model/Rune.h"
#include "model/RuneCountFilter.h"
#include "model/RuneTable.h"
#include "model/Runeword.h"

namespace sockwright {

// "Clvl", a line feed and the required level.
std::string levelBadgeText(int requiredLevel);
// The badge is red when the character is below the runeword's level.
bool levelBadgeIsRed(int characterLevel, int requiredLevel);

// The rune each of the six sockets shows: the runeword's rune number, or 0 for an empty socket
// and for a rune the rune table does not hold.
std::array<int, kMaxRunesPerRuneword> socketRunes(const Runeword& runeword,
                                                  const RuneTable& runeTable);

// The list's runes column: each rune's name followed by a blank; a rune the table does not
// hold shows as "?".
std::string runesColumnText(const Runeword& runeword, const RuneTable& runeTable);

// The Rune Details text: the three bonus texts under their headings, one line per "," part.
std::string runeDetailsText(const Rune& rune);

}  // namespace sockwright
