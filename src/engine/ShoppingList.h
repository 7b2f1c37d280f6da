#pragma once

#include <vector>

#include "engine/CubePlanner.h"
#include "engine/Gem.h"
#include "engine/RuneTally.h"
#include "model/RuneCounts.h"
#include "model/Runeword.h"

namespace sockwright {

struct GemNeed {
    Gem gem;
    int count = 0;

    friend bool operator==(const GemNeed&, const GemNeed&) = default;
};

// What a character's goals need together: two goals that both use Ber need two.
struct ShoppingList {
    RuneTally needed;           // every goal's runes, summed
    RuneTally lacking;          // needed beyond what he holds
    CubePlan cube;              // the upgrades that make the lacking runes from the spare ones
    std::vector<GemNeed> gems;  // the gems that plan uses, lowest recipe first
};

ShoppingList shoppingList(const std::vector<const Runeword*>& goals, const RuneCounts& held);

}  // namespace sockwright
