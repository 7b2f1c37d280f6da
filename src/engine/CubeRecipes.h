#pragma once

#include <array>
#include <string_view>

namespace sockwright {

// One rune upgrade of the Horadric Cube: `inputCount` of the rune below, with a gem from Amn up,
// make one rune.
struct CubeRecipe {
    int output;            // the rune made, 2..33
    int input;             // the rune consumed, always output - 1
    int inputCount;        // 3 up to Pul, 2 from Um
    std::string_view gem;  // empty when no gem is needed (Eld to Thul)
};

// The game's 32 rune upgrades, Eld first. They have stayed the same across the game's versions,
// so they live here rather than in a file a user would have to keep.
inline constexpr std::array<CubeRecipe, 32> kCubeRecipes{{
    {2, 1, 3, ""},
    {3, 2, 3, ""},
    {4, 3, 3, ""},
    {5, 4, 3, ""},
    {6, 5, 3, ""},
    {7, 6, 3, ""},
    {8, 7, 3, ""},
    {9, 8, 3, ""},
    {10, 9, 3, ""},
    {11, 10, 3, "Chipped Topaz"},
    {12, 11, 3, "Chipped Amethyst"},
    {13, 12, 3, "Chipped Sapphire"},
    {14, 13, 3, "Chipped Ruby"},
    {15, 14, 3, "Chipped Emerald"},
    {16, 15, 3, "Chipped Diamond"},
    {17, 16, 3, "Flawed Topaz"},
    {18, 17, 3, "Flawed Amethyst"},
    {19, 18, 3, "Flawed Sapphire"},
    {20, 19, 3, "Flawed Ruby"},
    {21, 20, 3, "Flawed Emerald"},
    {22, 21, 2, "Flawed Diamond"},
    {23, 22, 2, "Topaz"},
    {24, 23, 2, "Amethyst"},
    {25, 24, 2, "Sapphire"},
    {26, 25, 2, "Ruby"},
    {27, 26, 2, "Emerald"},
    {28, 27, 2, "Diamond"},
    {29, 28, 2, "Flawless Topaz"},
    {30, 29, 2, "Flawless Amethyst"},
    {31, 30, 2, "Flawless Sapphire"},
    {32, 31, 2, "Flawless Ruby"},
    {33, 32, 2, "Flawless Emerald"},
}};

// The recipe that makes this rune, or nullptr (El, and numbers outside 2..33).
constexpr const CubeRecipe* cubeRecipeFor(int rune) {
    for (const CubeRecipe& recipe : kCubeRecipes) {
        if (recipe.output == rune) return &recipe;
    }
    return nullptr;
}

}  // namespace sockwright
