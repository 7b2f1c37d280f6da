#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/CubeMakeable.h"
#include "engine/CubePlanner.h"
#include "engine/ShoppingList.h"
#include "support/MakeRuneword.h"
#include "support/ShippedData.h"

namespace sockwright {
namespace {

using testing::makeRuneword;

constexpr int kEl = 1, kEld = 2, kTir = 3, kNef = 4, kMal = 23, kIst = 24, kLo = 28, kSur = 29,
              kBer = 30;

RuneCounts holding(std::initializer_list<std::pair<int, int>> runes) {
    RuneCounts held;
    for (const auto& [rune, count] : runes) held.set(rune, count);
    return held;
}

int runeNumber(const RuneTable& table, const std::string& name) {
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        if (table.find(rune) != nullptr && table.find(rune)->name == name) return rune;
    }
    return 0;
}

// Every rune of the shipped rune file after the first is made from the rune on the line before
// it: three of it up to Pul, two from Um, with a gem from Amn up, the six gems in turn in grades
// Chipped, Flawed, plain and Flawless.
TEST(CubeRecipesTest, EachRuneOfTheRuneFileIsMadeFromTheOneBeforeWithTheGemsInTurn) {
    const RuneTable runes = testing::shippedRunes();
    ASSERT_EQ(kCubeRecipes.size(), static_cast<std::size_t>(runes.filledCount() - 1));
    const int amn = runeNumber(runes, "Amn");
    const int um = runeNumber(runes, "Um");
    ASSERT_TRUE(amn != 0 && um != 0);
    EXPECT_EQ(cubeRecipeFor(1), nullptr) << "nothing makes " << runes.find(1)->name;
    for (int rune = 2; rune <= runes.filledCount(); ++rune) {
        const CubeRecipe* recipe = cubeRecipeFor(rune);
        ASSERT_NE(recipe, nullptr) << runes.find(rune)->name;
        EXPECT_EQ(recipe->output, rune);
        EXPECT_EQ(recipe->input, rune - 1);
        EXPECT_EQ(recipe->inputCount, rune < um ? 3 : 2) << runes.find(rune)->name;
        const int gem = rune - amn;
        const std::optional<Gem> expected =
            gem < 0 ? kNoGem : Gem{GemKind(gem % 6), GemGrade(gem / 6)};
        EXPECT_EQ(recipe->gem, expected) << runes.find(rune)->name;
    }
    EXPECT_EQ(gemName(*cubeRecipeFor(amn)->gem), "Chipped Topaz");
    EXPECT_EQ(gemName(*cubeRecipeFor(kMal)->gem), "Topaz");
    EXPECT_EQ(gemName(*cubeRecipeFor(kBer)->gem), "Flawless Amethyst");
}

// Infinity (Ber Mal Ber Ist) with one Ber and three Mal: the Mal it needs is kept; the spare
// ones and the Lo and Sur are upgraded, lowest first, through a rune held none of.
TEST(CubePlannerTest, UpgradesTheSpareRunesIntoTheLackingOnesWithTheirGems) {
    const RuneTally infinity = RuneTally::of(makeRuneword("Infinity", {kBer, kMal, kBer, kIst}));
    const CubePlan plan = planCube(infinity, holding({{kBer, 1}, {kMal, 3}, {kLo, 4}}));
    ASSERT_TRUE(plan.reachable);
    const std::vector<CubeStep> steps{{cubeRecipeFor(kIst), 1, 2, 1},
                                      {cubeRecipeFor(kSur), 2, 4, 2},
                                      {cubeRecipeFor(kBer), 1, 2, 1}};
    EXPECT_EQ(plan.steps, steps);
    EXPECT_EQ(plan.runesConsumed, 8);
    EXPECT_EQ(plan.cubeUses, 4);

    // From El the recipes take no gem, and three runes each.
    const CubePlan tir = planCube(RuneTally::of(makeRuneword("Tir", {kTir})), holding({{kEl, 9}}));
    EXPECT_EQ(tir.steps, (std::vector<CubeStep>{{cubeRecipeFor(kEld), 3, 9, 0},
                                                {cubeRecipeFor(kTir), 1, 3, 0}}));
}

// The plan fails at the lowest rune whose demand the spare runes cannot meet, and says how many
// more of it cubing everything below would still leave missing.
TEST(CubePlannerTest, NamesTheLowestRuneThatBlocksAndHowManyMoreItNeeds) {
    const RuneTally infinity = RuneTally::of(makeRuneword("Infinity", {kBer, kMal, kBer, kIst}));
    // One Mal is spare, an Ist takes two.
    const CubePlan mal = planCube(infinity, holding({{kBer, 2}, {kMal, 2}}));
    EXPECT_FALSE(mal.reachable);
    EXPECT_EQ(mal.blockingRune, kIst);
    EXPECT_EQ(mal.blockingShortBy, 1);
    EXPECT_TRUE(mal.steps.empty());

    // One Sur makes no Ber, and the Ist (below it) is the lowest that blocks.
    const CubePlan ist = planCube(infinity, holding({{kBer, 1}, {kMal, 1}, {kSur, 1}}));
    EXPECT_EQ(ist.blockingRune, kIst);
    EXPECT_EQ(ist.blockingShortBy, 1);

    // A lacking El blocks even with runes above it; El is short wherever demand reaches it.
    const RuneTally elNef = RuneTally::of(makeRuneword("ElNef", {kEl, kNef}));
    EXPECT_EQ(planCube(elNef, holding({{kNef, 1}, {kBer, 5}})).blockingRune, kEl);
    const CubePlan nef = planCube(elNef, holding({{kEl, 5}}));
    EXPECT_EQ(nef.blockingRune, kNef) << "four spare El make one Eld and no Tir";
    EXPECT_EQ(nef.blockingShortBy, 1);

    // Seven Eld make two of the three Tir; the shortfall does not grow on the way down.
    const RuneTally tirs = RuneTally::of(makeRuneword("TirTirTir", {kTir, kTir, kTir}));
    const CubePlan tir = planCube(tirs, holding({{kEld, 7}, {kEl, 1}}));
    EXPECT_EQ(tir.blockingRune, kTir);
    EXPECT_EQ(tir.blockingShortBy, 1);
}

TEST(CubePlannerTest, CanMakeWithTheCubeListsWhatOnlyTheCubeCompletes) {
    const RunewordList list{
        makeRuneword("NowElEld", {kEl, kEld}),
        makeRuneword("CubeTir", {kEl, kTir}),  // three spare Eld make a Tir
        makeRuneword("CubeNef", {kNef}),       // nine Eld, three from El, into three Tir, into Nef
        makeRuneword("Shield", {kTir}, 0x04000000),  // not wanted
        makeRuneword("Never", {kBer}),
    };
    CharacterSelections weapons;
    weapons.equipment = kMeleeEquipment;
    const RuneCounts held = holding({{kEl, 4}, {kEld, 8}});
    const std::vector<CubeMakeable> makeable = canMakeWithCube(weapons, held, list);
    EXPECT_EQ(makeable, (std::vector<CubeMakeable>{{&list[1], 1}, {&list[2], 5}}));
}

// Two goals that both use Ber need two; the plan and its gems are for both together.
TEST(ShoppingListTest, SumsTheGoalsAndPlansTheCubeForAllOfThem) {
    const Runeword berEl = makeRuneword("BerEl", {kBer, kEl});
    const Runeword berMal = makeRuneword("BerMal", {kBer, kMal});
    const ShoppingList list =
        shoppingList({&berEl, &berMal}, holding({{kEl, 1}, {kMal, 1}, {kBer, 1}, {kSur, 2}}));
    EXPECT_EQ(list.needed.count(kBer), 2);
    RuneTally oneBer;
    oneBer.add(kBer, 1);
    EXPECT_EQ(list.lacking, oneBer);
    EXPECT_EQ(list.cube.cubeUses, 1);
    EXPECT_EQ(list.gems, (std::vector<GemNeed>{{{GemKind::Amethyst, GemGrade::Flawless}, 1}}));
}

}  // namespace
}  // namespace sockwright
