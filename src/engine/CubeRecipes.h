#pragma once

#include <array>
#include <optional>

#include "engine/Gem.h"
#include "model/RuneSet.h"

namespace sockwright {

// One rune upgrade of the Horadric Cube: `inputCount` of the rune below, with a gem from Amn up,
// make one rune.
struct CubeRecipe {
    int output;              // the rune made, 2..33
    int input;               // the rune consumed, always output - 1
    int inputCount;          // 3 up to Pul, 2 from Um
    std::optional<Gem> gem;  // none for Eld to Thul
};

inline constexpr std::optional<Gem> kNoGem;

// The game's 32 rune upgrades, Eld first. They have stayed the same across the game's versions,
// so they live here rather than in a file a user would have to keep.
inline constexpr std::array<CubeRecipe, 32> kCubeRecipes{{
    {2, 1, 3, kNoGem},
    {3, 2, 3, kNoGem},
    {4, 3, 3, kNoGem},
    {5, 4, 3, kNoGem},
    {6, 5, 3, kNoGem},
    {7, 6, 3, kNoGem},
    {8, 7, 3, kNoGem},
    {9, 8, 3, kNoGem},
    {10, 9, 3, kNoGem},
    {11, 10, 3, Gem{GemKind::Topaz, GemGrade::Chipped}},
    {12, 11, 3, Gem{GemKind::Amethyst, GemGrade::Chipped}},
    {13, 12, 3, Gem{GemKind::Sapphire, GemGrade::Chipped}},
    {14, 13, 3, Gem{GemKind::Ruby, GemGrade::Chipped}},
    {15, 14, 3, Gem{GemKind::Emerald, GemGrade::Chipped}},
    {16, 15, 3, Gem{GemKind::Diamond, GemGrade::Chipped}},
    {17, 16, 3, Gem{GemKind::Topaz, GemGrade::Flawed}},
    {18, 17, 3, Gem{GemKind::Amethyst, GemGrade::Flawed}},
    {19, 18, 3, Gem{GemKind::Sapphire, GemGrade::Flawed}},
    {20, 19, 3, Gem{GemKind::Ruby, GemGrade::Flawed}},
    {21, 20, 3, Gem{GemKind::Emerald, GemGrade::Flawed}},
    {22, 21, 2, Gem{GemKind::Diamond, GemGrade::Flawed}},
    {23, 22, 2, Gem{GemKind::Topaz, GemGrade::Standard}},
    {24, 23, 2, Gem{GemKind::Amethyst, GemGrade::Standard}},
    {25, 24, 2, Gem{GemKind::Sapphire, GemGrade::Standard}},
    {26, 25, 2, Gem{GemKind::Ruby, GemGrade::Standard}},
    {27, 26, 2, Gem{GemKind::Emerald, GemGrade::Standard}},
    {28, 27, 2, Gem{GemKind::Diamond, GemGrade::Standard}},
    {29, 28, 2, Gem{GemKind::Topaz, GemGrade::Flawless}},
    {30, 29, 2, Gem{GemKind::Amethyst, GemGrade::Flawless}},
    {31, 30, 2, Gem{GemKind::Sapphire, GemGrade::Flawless}},
    {32, 31, 2, Gem{GemKind::Ruby, GemGrade::Flawless}},
    {33, 32, 2, Gem{GemKind::Emerald, GemGrade::Flawless}},
}};

// The recipe that makes this rune, or nullptr (El, and numbers outside 2..33). The table holds
// one recipe per rune in rune order, so the rune picks its recipe directly.
constexpr const CubeRecipe* cubeRecipeFor(int rune) {
    if (rune < 2 || rune > kRuneCount) return nullptr;
    return &kCubeRecipes[static_cast<std::size_t>(rune - 2)];
}

}  // namespace sockwright
