#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Runeword.h"

namespace sockwright {

// What a search asks for. Commas part it into clauses; each clause is a list of terms that must
// all stand in one property line, in any order. Letter case of A to Z does not count, and the
// abbreviations players type stand for what they mean ("fcr" is "faster cast rate").
using SearchClause = std::vector<std::string>;
std::vector<SearchClause> searchClauses(std::string_view query);

// A runeword whose properties match a search, with the lines that match (0 is the first line).
struct FoundRuneword {
    const Runeword* runeword = nullptr;
    std::vector<int> lines;
};

// Searches the property lines of some runewords, which it reads once when it is made: the
// runewords must outlive it.
class PropertySearch {
  public:
    explicit PropertySearch(const std::vector<const Runeword*>& runewords);

    // The runewords, in the order given, for which every clause of the query matches one of their
    // lines; nothing for a query without terms.
    std::vector<FoundRuneword> find(std::string_view query) const;

  private:
    struct Entry {
        const Runeword* runeword;
        std::string text;  // the properties in lower case
        // Where each line starts in text, and one past the last line's end.
        std::vector<std::size_t> lineStarts;
    };
    std::vector<Entry> entries_;
};

}  // namespace sockwright
