#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "engine/RunePlanner.h"
#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"

namespace sockwright {
namespace {

using Names = std::vector<std::string>;

Runeword makeRuneword(const std::string& name, std::initializer_list<int> runes,
                      EquipmentMask equipment = kAllEquipment) {
    Runeword runeword;
    runeword.name = name;
    runeword.equipmentMask = equipment;
    runeword.runeCount = static_cast<std::int32_t>(runes.size());
    int socket = 0;
    for (int rune : runes) {
        runeword.runes[static_cast<std::size_t>(socket++)] = rune;
        runeword.runeSet.add(rune);
    }
    return runeword;
}

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

TEST(RunePlannerTest, EquipmentAndRuneCountFiltersLimitEveryList) {
    Character melee = owning({1, 2, 3});
    melee.equipment = kMeleeEquipment;
    const RunePlan noShields = planRunes(melee, kList);
    ASSERT_EQ(noShields.oneRuneAway.size(), 2u);
    EXPECT_EQ(noShields.oneRuneAway[1].missingRune, 23);
    EXPECT_EQ(noShields.runesToHunt[2], (RuneToHunt{5, 0})) << "Ral completes nothing now";

    Character threeRunes = owning({1, 2, 3});
    threeRunes.runeCountFilter = 3;
    const RunePlan three = planRunes(threeRunes, kList);
    EXPECT_TRUE(three.canMakeNow.empty());
    ASSERT_EQ(three.oneRuneAway.size(), 1u);
    EXPECT_EQ(namesOf(three.oneRuneAway[0].runewords), Names{"TirTirNef"});
    EXPECT_EQ(three.runesToHunt.front(), (RuneToHunt{4, 1}));

    Character nothingWanted = owning({1, 2, 3});
    nothingWanted.equipment = 0;
    const RunePlan none = planRunes(nothingWanted, kList);
    EXPECT_TRUE(none.canMakeNow.empty());
    EXPECT_TRUE(none.oneRuneAway.empty());
    EXPECT_EQ(none.runesToHunt, nothingFrom(4, {}));
}

// With nothing owned only a runeword of one distinct rune is one away; with the shipped file,
// which has none, every rune completes nothing and the hunt starts at El.
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

    ProgramState state;
    state.dataFolder = SOCKWRIGHT_SHIPPED_DATA;
    testing::RecordingMessageSink messages;
    ASSERT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
    const RunePlan shipped = planRunes(owning({}), *state.runewords);
    EXPECT_TRUE(shipped.oneRuneAway.empty());
    EXPECT_EQ(shipped.runesToHunt, nothingFrom(1, {}));

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

// The recipes built in are the game's, as its cube table lists them.
TEST(CubeRecipesTest, MatchTheGamesCubeTable) {
    std::ifstream table(std::filesystem::path(SOCKWRIGHT_TEST_FIXTURES) / "cube.tsv");
    ASSERT_TRUE(table) << "cube.tsv";
    std::string line;
    std::getline(table, line);  // the header
    std::size_t rows = 0;
    while (std::getline(table, line)) {
        std::vector<std::string> cells;
        std::stringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        ASSERT_GE(cells.size(), 7u) << line;
        const int output = std::stoi(cells[0]);
        SCOPED_TRACE(cells[1]);
        const CubeRecipe* recipe = cubeRecipeFor(output);
        ASSERT_NE(recipe, nullptr);
        EXPECT_EQ(recipe->input, std::stoi(cells[2]));
        EXPECT_EQ(recipe->inputCount, std::stoi(cells[4]));
        EXPECT_EQ(recipe->gem, cells[6]);
        ++rows;
    }
    EXPECT_EQ(rows, kCubeRecipes.size());
    EXPECT_EQ(cubeRecipeFor(1), nullptr) << "nothing makes El";
}

}  // namespace
}  // namespace sockwright
