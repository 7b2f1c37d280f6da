#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/RunePlanner.h"
#include "support/MakeRuneword.h"

namespace sockwright {
namespace {

using Names = std::vector<std::string>;
using testing::makeRuneword;

Character owning(std::initializer_list<int> runes) {
    Character character;
    character.inUse = true;
    character.runes = RuneSet{};
    for (int rune : runes) character.runes.add(rune);
    // The rune logic plays no part in a plan.
    character.runeLogic = RuneLogic::Any;
    return character;
}

Names namesOf(const std::vector<const Runeword*>& runewords) {
    Names names;
    for (const Runeword* runeword : runewords) names.push_back(runeword->name);
    return names;
}

// The lacked runes from `first` on, each completing nothing, in rune order, skipping `ranked`.
std::vector<RuneToHunt> nothingFrom(int first, std::initializer_list<int> ranked) {
    std::vector<RuneToHunt> runes;
    for (int rune = first; rune <= kRuneCount; ++rune) {
        if (std::find(ranked.begin(), ranked.end(), rune) == ranked.end())
            runes.push_back({rune, 0});
    }
    return runes;
}

const RunewordList kList{
    makeRuneword("ElEld", {1, 2}),
    makeRuneword("ElTir", {1, 3}),
    makeRuneword("TirTirNef", {3, 3, 4}),  // Tir twice: still only Nef away
    makeRuneword("EldNef", {2, 4}),
    makeRuneword("EldMal", {2, 23}),
    makeRuneword("EthIthTal", {5, 6, 7}),  // three away
    makeRuneword("Shield", {8, 1}, 0x04000000),
};

TEST(RunePlannerTest, ListsWhatIsMadeNowWhatIsOneRuneAwayAndWhichRunesToHunt) {
    const RunePlan plan = planRunes(owning({1, 2, 3}), kList);
    EXPECT_EQ(namesOf(plan.canMakeNow), (Names{"ElEld", "ElTir"}));

    ASSERT_EQ(plan.oneRuneAway.size(), 3u);
    const OneRuneAwayGroup& nef = plan.oneRuneAway[0];
    EXPECT_EQ(nef.missingRune, 4);
    EXPECT_EQ(namesOf(nef.runewords), (Names{"TirTirNef", "EldNef"}));
    ASSERT_NE(nef.recipe, nullptr);
    EXPECT_EQ(nef.recipe->input, 3);
    EXPECT_EQ(nef.recipe->inputCount, 3);
    EXPECT_TRUE(nef.ownsRecipeRune) << "he owns Tir";
    EXPECT_EQ(plan.oneRuneAway[1].missingRune, 8);
    EXPECT_EQ(namesOf(plan.oneRuneAway[1].runewords), Names{"Shield"});
    const OneRuneAwayGroup& mal = plan.oneRuneAway[2];
    EXPECT_EQ(mal.missingRune, 23);
    EXPECT_EQ(mal.recipe->gem, "Topaz");
    EXPECT_FALSE(mal.ownsRecipeRune) << "he lacks Um";

    std::vector<RuneToHunt> hunt{{4, 2}, {8, 1}, {23, 1}};
    for (const RuneToHunt& rest : nothingFrom(4, {4, 8, 23})) hunt.push_back(rest);
    EXPECT_EQ(plan.runesToHunt, hunt);
}

// The plan keeps to the runewords the filter lets through for their equipment and rune count.
TEST(RunePlannerTest, TheRuneCountFilterLimitsEveryList) {
    Character threeRunes = owning({1, 2, 3});
    threeRunes.runeCountFilter = 3;
    const RunePlan three = planRunes(threeRunes, kList);
    EXPECT_TRUE(three.canMakeNow.empty());
    ASSERT_EQ(three.oneRuneAway.size(), 1u);
    EXPECT_EQ(namesOf(three.oneRuneAway[0].runewords), Names{"TirTirNef"});
    EXPECT_EQ(three.runesToHunt.front(), (RuneToHunt{4, 1}));
}

// With nothing owned only a runeword of one distinct rune is one away.
TEST(RunePlannerTest, OwningNothingRanksByCountsThenFromEl) {
    const RunewordList list{makeRuneword("RalRal", {8, 8}), makeRuneword("OrtThul", {9, 10})};
    const RunePlan plan = planRunes(owning({}), list);
    EXPECT_TRUE(plan.canMakeNow.empty());
    ASSERT_EQ(plan.oneRuneAway.size(), 1u);
    EXPECT_EQ(plan.oneRuneAway[0].missingRune, 8);
    EXPECT_FALSE(plan.oneRuneAway[0].ownsRecipeRune);
    std::vector<RuneToHunt> hunt{{8, 1}};
    for (const RuneToHunt& rest : nothingFrom(1, {8})) hunt.push_back(rest);
    EXPECT_EQ(plan.runesToHunt, hunt);

    // A runeword whose runes line held no number is nothing to make, even from nothing.
    RunewordList broken{Runeword{}};
    broken[0].runeCount = -1;
    EXPECT_TRUE(planRunes(owning({}), broken).canMakeNow.empty());
}

TEST(RunePlannerTest, WhoCanMakeLooksAtEveryCharacterInUseOnEveryAccount) {
    AccountList accounts;
    Account* main = accounts.addAccount("Main", "USEast", "SORC", 90, 1, 1);
    main->characters[0].runes = owning({1}).runes;
    accounts.addCharacter(*main, "PALA", 80, 3, 1);  // a new character owns every rune
    Account* second = accounts.addAccount("Second", "Europe", "NECRO", 70, 2, 1);
    second->characters[0].runes = owning({1, 2}).runes;
    accounts.addCharacter(*second, "ZON", 60, 0, 1);
    second->characters[1].runes = owning({2, 3}).runes;
    // Free slots keep a new character's runes, all of them; they are nobody.
    ASSERT_FALSE(second->characters[2].inUse);

    const Runeword elEld = makeRuneword("ElEld", {1, 2, 1});
    const std::vector<CharacterPlace> able = whoCanMake(elEld, accounts);
    ASSERT_EQ(able, (std::vector<CharacterPlace>{{main, 1}, {second, 0}}));
    EXPECT_EQ(characterPath(able[1]), "Europe: Second: NECRO");
    EXPECT_EQ(whoCanMake(makeRuneword("Zod", {33, 32}), accounts),
              (std::vector<CharacterPlace>{{main, 1}}));
}

// Each rune from Eld up is made from the rune before it: three of it up to Pul, two from Um, with
// a gem from Amn up, the six gems in turn in grades Chipped, Flawed, plain and Flawless.
TEST(CubeRecipesTest, EachRuneIsMadeFromTheOneBeforeWithTheGemsInTurn) {
    const char* grades[] = {"Chipped ", "Flawed ", "", "Flawless "};
    const char* gems[] = {"Topaz", "Amethyst", "Sapphire", "Ruby", "Emerald", "Diamond"};
    EXPECT_EQ(cubeRecipeFor(1), nullptr) << "nothing makes El";
    for (int rune = 2; rune <= kRuneCount; ++rune) {
        const CubeRecipe* recipe = cubeRecipeFor(rune);
        ASSERT_NE(recipe, nullptr) << rune;
        EXPECT_EQ(recipe->input, rune - 1);
        EXPECT_EQ(recipe->inputCount, rune <= 21 ? 3 : 2) << rune;
        const int gem = rune - 11;
        EXPECT_EQ(recipe->gem, gem < 0 ? "" : std::string(grades[gem / 6]) + gems[gem % 6]) << rune;
    }
}

}  // namespace
}  // namespace sockwright
