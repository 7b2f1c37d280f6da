#include "engine/PropertySearch.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sockwright {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// What players type for the properties they look for, in lower case.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kAbbreviations{{
    {"fcr", "faster cast rate"},
    {"fhr", "faster hit recovery"},
    {"frw", "faster run/walk"},
    {"ias", "increased attack speed"},
    {"ed", "enhanced damage"},
    {"edef", "enhanced defense"},
    {"mf", "better chance of getting magic items"},
    {"gf", "extra gold from monsters"},
    {"ll", "life stolen per hit"},
    {"ml", "mana stolen per hit"},
    {"cb", "crushing blow"},
    {"ds", "deadly strike"},
    {"ow", "open wounds"},
    {"ctc", "chance to cast"},
    {"+skills", "to all skills"},
}};

// The classes as their skill lines name them, and the short forms players use, in lower case.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kClassWords{{
    {"amazon", "amazon"},
    {"zon", "amazon"},
    {"assassin", "assassin"},
    {"sin", "assassin"},
    {"barbarian", "barbarian"},
    {"barb", "barbarian"},
    {"druid", "druid"},
    {"necromancer", "necromancer"},
    {"necro", "necromancer"},
    {"sorceress", "sorceress"},
    {"sorc", "sorceress"},
    {"paladin", "paladin"},
    {"pally", "paladin"},
    {"warlock", "warlock"},
    {"lock", "warlock"},
}};

std::string_view className(std::string_view word) {
    for (const auto& [shortForm, name] : kClassWords) {
        if (word == shortForm) return name;
    }
    return {};
}

bool isSkillsWord(std::string_view word) {
    return word == "skills" || word == "skill";
}

std::string expanded(const std::string& word) {
    for (const auto& [abbreviation, meaning] : kAbbreviations) {
        if (word == abbreviation) return std::string(meaning);
    }
    return word;
}

SearchClause clauseOf(std::string_view text) {
    std::vector<std::string> words;
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && isBlank(text[position])) ++position;
        const std::size_t start = position;
        while (position < text.size() && !isBlank(text[position])) ++position;
        if (position > start) words.push_back(lowered(text.substr(start, position - start)));
    }
    SearchClause clause;
    for (std::size_t i = 0; i < words.size(); ++i) {
        // "all res" is the one abbreviation of two words.
        if (words[i] == "all" && i + 1 < words.size() && words[i + 1] == "res") {
            clause.push_back("all resistances");
            ++i;
            continue;
        }
        // A class's skills, as "+warlock" or "warlock skills": the skill lines name the class
        // and say "Skills" or "Skill Levels".
        const bool plusClass = words[i].size() > 1 && words[i][0] == '+' &&
                               !className(std::string_view(words[i]).substr(1)).empty();
        if (plusClass ||
            (!className(words[i]).empty() && i + 1 < words.size() && isSkillsWord(words[i + 1]))) {
            clause.emplace_back(className(plusClass ? std::string_view(words[i]).substr(1)
                                                    : std::string_view(words[i])));
            clause.push_back("skill");
            if (!plusClass) ++i;
            continue;
        }
        clause.push_back(expanded(words[i]));
    }
    return clause;
}

bool lineMatches(std::string_view line, const SearchClause& clause) {
    return std::all_of(clause.begin(), clause.end(), [line](const std::string& term) {
        return line.find(term) != std::string_view::npos;
    });
}

}  // namespace

std::vector<SearchClause> searchClauses(std::string_view query) {
    std::vector<SearchClause> clauses;
    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find(',', start);
        if (end == std::string_view::npos) end = query.size();
        SearchClause clause = clauseOf(query.substr(start, end - start));
        if (!clause.empty()) clauses.push_back(std::move(clause));
        start = end + 1;
    }
    return clauses;
}

PropertySearch::PropertySearch(const std::vector<const Runeword*>& runewords) {
    entries_.reserve(runewords.size());
    for (const Runeword* runeword : runewords) {
        Entry& entry = entries_.emplace_back(Entry{runeword, lowered(runeword->properties), {}});
        const std::string& text = entry.text;
        std::size_t start = 0;
        while (start < text.size()) {
            entry.lineStarts.push_back(start);
            const std::size_t end = text.find('\n', start);
            start = end == std::string::npos ? text.size() + 1 : end + 1;
        }
        entry.lineStarts.push_back(start);
    }
}

std::vector<FoundRuneword> PropertySearch::find(std::string_view query) const {
    std::vector<FoundRuneword> found;
    const std::vector<SearchClause> clauses = searchClauses(query);
    if (clauses.empty()) return found;
    std::vector<bool> clauseMet(clauses.size());
    std::vector<int> lines;
    for (const Entry& entry : entries_) {
        std::fill(clauseMet.begin(), clauseMet.end(), false);
        lines.clear();
        const std::string_view text = entry.text;
        for (std::size_t line = 0; line + 1 < entry.lineStarts.size(); ++line) {
            const std::size_t start = entry.lineStarts[line];
            // The next line's start is one past this line's line feed.
            const std::string_view lineText =
                text.substr(start, entry.lineStarts[line + 1] - 1 - start);
            bool lineMatched = false;
            for (std::size_t clause = 0; clause < clauses.size(); ++clause) {
                if (lineMatches(lineText, clauses[clause])) {
                    clauseMet[clause] = true;
                    lineMatched = true;
                }
            }
            if (lineMatched) lines.push_back(static_cast<int>(line));
        }
        if (std::all_of(clauseMet.begin(), clauseMet.end(), [](bool met) { return met; }))
            found.push_back({entry.runeword, lines});
    }
    return found;
}

}  // namespace sockwright
