#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/PropertySearch.h"
#include "model/RunewordList.h"

namespace sockwright {
namespace {

using Found = std::vector<std::pair<std::string, std::vector<int>>>;

Found found(const PropertySearch& search, std::string_view query) {
    Found result;
    for (const FoundRuneword& hit : search.find(query))
        result.emplace_back(hit.runeword->name, hit.lines);
    return result;
}

Runeword withProperties(const std::string& name, const std::string& properties) {
    Runeword runeword;
    runeword.name = name;
    runeword.properties = properties;
    return runeword;
}

std::vector<const Runeword*> pointersTo(const RunewordList& list) {
    std::vector<const Runeword*> pointers;
    for (const Runeword& runeword : list) pointers.push_back(&runeword);
    return pointers;
}

TEST(PropertySearchTest, WordsInAnyOrderOnOneLineAndTheAbbreviationsPlayersType) {
    const RunewordList list{
        withProperties("Caster", "+2 to All Skills\n+25% Faster Cast Rate\nAll Resistances +15\n"),
        withProperties("Fighter",
                       "+200% Enhanced Damage\n+40% Increased Attack Speed\n"
                       "20% Chance of Crushing Blow\n7% Life stolen per hit\n"),
        withProperties("Guard",
                       "+60% Enhanced Defense\nCold Absorb 15%\nFire Resist +30%\n"
                       "+20% Faster Hit Recovery\n"),
        withProperties("Thief",
                       "25% Better Chance of Getting Magic Items\n"
                       "50% Extra Gold from Monsters\n+30% Faster Run/Walk\n"),
    };
    const PropertySearch search(pointersTo(list));
    const std::pair<std::string_view, Found> cases[] = {
        {"fcr", {{"Caster", {1}}}},
        {"FCR", {{"Caster", {1}}}},
        {"  rate   CAST ", {{"Caster", {1}}}},
        {"+skills", {{"Caster", {0}}}},
        {"all res", {{"Caster", {2}}}},
        {"all skills", {{"Caster", {0}}}},
        {"ed", {{"Fighter", {0}}}},  // Enhanced Damage, not Enhanced Defense
        {"edef", {{"Guard", {0}}}},
        {"ias", {{"Fighter", {1}}}},
        {"cb", {{"Fighter", {2}}}},
        {"ll", {{"Fighter", {3}}}},
        {"fhr", {{"Guard", {3}}}},
        {"mf", {{"Thief", {0}}}},
        {"gf", {{"Thief", {1}}}},
        {"frw", {{"Thief", {2}}}},
        {"enhanced", {{"Fighter", {0}}, {"Guard", {0}}}},
        // The words of a clause stand on one line; commas ask for several lines.
        {"cold resist", {}},
        {"cold, resist", {{"Guard", {1, 2}}}},
        {"fcr, fhr", {}},
        {"edef, fhr", {{"Guard", {0, 3}}}},
        {"", {}},
        {" , ,", {}},
    };
    for (const auto& [query, expected] : cases) {
        EXPECT_EQ(found(search, query), expected) << "query: \"" << query << "\"";
    }
}

// A class's skills, named as players type them, find both wordings of the skill lines.
TEST(PropertySearchTest, ClassSkillsByNameOrShortFormWithPlusOrSkills) {
    const RunewordList list{
        withProperties("Authority", "+2 to Warlock Skill Levels\n+30% Faster Cast Rate\n"),
        withProperties("Gale", "+3 to Combat Skills (Barbarian Only)\n"),
        withProperties("Wild", "+2 to Druid Skills\n+25% to Fire Skill Damage\n"),
    };
    const PropertySearch search(pointersTo(list));
    const std::pair<std::string_view, Found> cases[] = {
        {"warlock skills", {{"Authority", {0}}}},
        {"+warlock", {{"Authority", {0}}}},
        {"+lock, fcr", {{"Authority", {0, 1}}}},
        {"Barb Skill", {{"Gale", {0}}}},
        {"+druid", {{"Wild", {0}}}},
        {"+sorc", {}},
        {"fire skills", {}},  // no class: the words stand as typed
        {"warlock", {{"Authority", {0}}}},
    };
    for (const auto& [query, expected] : cases) {
        EXPECT_EQ(found(search, query), expected) << "query: \"" << query << "\"";
    }
}

}  // namespace
}  // namespace sockwright
