#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/RunePlanner.h"
#include "model/CharacterRunes.h"
#include "support/MakeRuneword.h"
#include "support/ShippedData.h"

namespace sockwright {
namespace {

using Names = std::vector<std::string>;
using testing::makeRuneword;

// Which runewords are planned: only the equipment and rune count filters decide.
CharacterSelections everything() {
    CharacterSelections filters;
    filters.runeLogic = RuneLogic::Any;  // plays no part in a plan
    return filters;
}

// Rune numbers, a rune held twice named twice.
RuneCounts holding(std::initializer_list<int> runes) {
    RuneCounts held;
    for (int rune : runes) held.add(rune, 1);
    return held;
}

Names namesOf(const std::vector<const Runeword*>& runewords) {
    Names names;
    for (const Runeword* runeword : runewords) names.push_back(runeword->name);
    return names;
}

// The runes held none of from `first` on, each completing nothing, in rune order, skipping
// `ranked`.
std::vector<RuneToHunt> nothingFrom(int first, std::initializer_list<int> ranked) {
    std::vector<RuneToHunt> runes;
    for (int rune = first; rune <= kRuneCount; ++rune) {
        if (std::find(ranked.begin(), ranked.end(), rune) == ranked.end())
            runes.push_back({rune, 0, 0});
    }
    return runes;
}

const RunewordList kList{
    makeRuneword("ElEld", {1, 2}),
    makeRuneword("ElTir", {1, 3}),
    makeRuneword("TirTirNef", {3, 3, 4}),  // both Tir held: only Nef away
    makeRuneword("EldNef", {2, 4}),
    makeRuneword("EldEldMal", {2, 2, 23}),  // a second Eld and Mal: two away
    makeRuneword("ElElEld", {1, 1, 2}),     // one more El
    makeRuneword("EthIthTal", {5, 6, 7}),   // three away
    makeRuneword("Shield", {8, 1}, 0x04000000),
};

TEST(RunePlannerTest, ListsWhatIsMadeNowWhatIsOneCopyAwayAndWhichRunesToHunt) {
    const RunePlan plan = planRunes(everything(), holding({1, 2, 3, 3}), kList);
    EXPECT_EQ(namesOf(plan.canMakeNow), (Names{"ElEld", "ElTir"}));

    ASSERT_EQ(plan.oneRuneAway.size(), 3u);
    const OneRuneAwayGroup& el = plan.oneRuneAway[0];
    EXPECT_EQ(el.missingRune, 1);
    EXPECT_EQ(el.held, 1) << "El: 1 more";
    EXPECT_EQ(namesOf(el.runewords), Names{"ElElEld"});
    EXPECT_EQ(el.recipe, nullptr);
    const OneRuneAwayGroup& nef = plan.oneRuneAway[1];
    EXPECT_EQ(nef.missingRune, 4);
    EXPECT_EQ(nef.held, 0);
    EXPECT_EQ(namesOf(nef.runewords), (Names{"TirTirNef", "EldNef"}));
    EXPECT_EQ(nef.recipe, cubeRecipeFor(4));
    EXPECT_TRUE(nef.ownsRecipeRune) << "he holds Tir";
    EXPECT_EQ(plan.oneRuneAway[2].missingRune, 8);
    EXPECT_FALSE(plan.oneRuneAway[2].ownsRecipeRune) << "he lacks Tal";

    // A held rune is hunted only where another copy completes something.
    std::vector<RuneToHunt> hunt{{4, 2, 0}, {1, 1, 1}, {8, 1, 0}};
    for (const RuneToHunt& rest : nothingFrom(4, {4, 8})) hunt.push_back(rest);
    EXPECT_EQ(plan.runesToHunt, hunt);
}

// The runewords of the game that use a rune more than once need every copy: with one of each
// rune, four are one copy of their repeated rune away, and Last Wish, two Jah away, is neither.
TEST(RunePlannerTest, RepeatedRunesOfTheShippedRunewordsNeedEveryCopy) {
    const auto shipped = testing::shippedRunewords(testing::shippedRunes());
    const std::pair<std::string, int> repeated[] = {
        {"Bone", 22}, {"Infinity", 30}, {"Phoenix", 26}, {"Sanctuary", 18}, {"Last Wish", 0}};
    for (const auto& [name, rune] : repeated) {
        const auto runeword = std::find_if(shipped->begin(), shipped->end(),
                                           [&](const Runeword& r) { return r.name == name; });
        ASSERT_NE(runeword, shipped->end()) << name;
        const RunePlan plan =
            planRunes(everything(), RuneCounts::oneOfEach(runeword->runeSet), {*runeword});
        EXPECT_TRUE(plan.canMakeNow.empty()) << name;
        EXPECT_EQ(plan.oneRuneAway.empty() ? 0 : plan.oneRuneAway[0].missingRune, rune) << name;
    }
}

// The plan keeps to the runewords the filter lets through for their equipment and rune count.
TEST(RunePlannerTest, TheRuneCountFilterLimitsEveryList) {
    CharacterSelections threeRunes = everything();
    threeRunes.runeCountFilter = 3;
    const RunePlan three = planRunes(threeRunes, holding({1, 2, 3, 3}), kList);
    EXPECT_EQ(namesOf(three.canMakeNow), Names{});
    ASSERT_EQ(three.oneRuneAway.size(), 2u);
    EXPECT_EQ(namesOf(three.oneRuneAway[1].runewords), Names{"TirTirNef"});
    EXPECT_EQ(three.runesToHunt.front(), (RuneToHunt{1, 1, 1}));

    // A runeword whose runes line held no number is nothing to make, even from nothing.
    RunewordList broken{Runeword{}};
    broken[0].runeCount = -1;
    EXPECT_TRUE(planRunes(everything(), RuneCounts{}, broken).canMakeNow.empty());
}

TEST(RunePlannerTest, WhoCanMakeLooksAtEveryCharacterInUseOnEveryAccount) {
    AccountList accounts;
    Account* main = accounts.addAccount("Main", "USEast", "SORC", 90, 1, 1);
    setRuneCounts(main->characters[0], holding({1}));
    accounts.addCharacter(*main, "PALA", 80, 3, 1);  // a new character owns every rune
    Account* second = accounts.addAccount("Second", "Europe", "NECRO", 70, 2, 1);
    setRuneCounts(second->characters[0], holding({1, 2}));
    accounts.addCharacter(*second, "ZON", 60, 0, 1);
    setRuneCounts(second->characters[1], holding({2, 3}));
    // Free slots keep a new character's runes, all of them; they are nobody.
    ASSERT_FALSE(second->characters[2].inUse);

    const Runeword elEld = makeRuneword("ElEld", {1, 2});
    const std::vector<CharacterPlace> able = whoCanMake(elEld, accounts);
    ASSERT_EQ(able, (std::vector<CharacterPlace>{{main, 1}, {second, 0}}));
    EXPECT_EQ(characterPath(able[1]), "Europe: Second: NECRO");

    // A rune used twice needs two.
    const Runeword elElEld = makeRuneword("ElElEld", {1, 2, 1});
    EXPECT_EQ(whoCanMake(elElEld, accounts), (std::vector<CharacterPlace>{}));
    for (Character* character : {&main->characters[1], &second->characters[0]})
        setRuneCount(*character, 1, 2);
    EXPECT_EQ(whoCanMake(elElEld, accounts), able);
}

}  // namespace
}  // namespace sockwright
