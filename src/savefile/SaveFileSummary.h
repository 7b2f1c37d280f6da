#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "model/RuneCounts.h"

namespace sockwright::savefile {

enum class SaveFileKind { Character, SharedStash };

// Where a loose rune lies. A rune on the cursor, or on a mercenary or golem without a socket
// around it, counts as Elsewhere.
enum class RuneLocation { Inventory, PersonalStash, HoradricCube, SharedStash, Elsewhere };
inline constexpr std::size_t kRuneLocationCount = 5;

// What a character file or a shared stash file holds of interest to a rune planner.
struct SaveFileSummary {
    SaveFileKind kind = SaveFileKind::Character;
    int version = 0;  // the file's format version: 97, 98, 99 or 105
    bool hardcore = false;

    // Characters only.
    std::string name;
    int gameClass = -1;       // the class as the game numbers it (0 Amazon ... 7 Warlock)
    int characterClass = -1;  // the same as this program numbers it (kCharacterClassNames)
    int level = 0;
    bool expansion = false;  // an expansion character, or one of the game's latest edition

    // Runes lying free, per place, and runes set in the sockets of items (not usable).
    std::array<RuneCounts, kRuneLocationCount> loose{};
    RuneCounts socketed;

    RuneCounts& looseAt(RuneLocation location) { return loose[static_cast<std::size_t>(location)]; }
    const RuneCounts& looseAt(RuneLocation location) const {
        return loose[static_cast<std::size_t>(location)];
    }
    // The loose runes of every place together.
    RuneCounts allLoose() const {
        RuneCounts total;
        for (const RuneCounts& place : loose) {
            for (int rune = 1; rune <= kRuneCount; ++rune) total.add(rune, place.count(rune));
        }
        return total;
    }
};

}  // namespace sockwright::savefile
