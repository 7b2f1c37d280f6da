#include "engine/RunewordFilter.h"

#include <cstdint>

namespace sockwright {
namespace {

bool sharesARune(const RuneSet& selected, const RuneSet& runeword) {
    for (int row = 0; row < kRuneRowCount; ++row) {
        if ((selected.rows[row] & runeword.rows[row]) != 0) return true;
    }
    return false;
}

// Every rune of `part` is also in `whole`.
bool isSubset(const RuneSet& part, const RuneSet& whole) {
    for (int row = 0; row < kRuneRowCount; ++row) {
        if ((part.rows[row] & whole.rows[row]) != part.rows[row]) return false;
    }
    return true;
}

// A count filter from an edited settings file (outside 1..6 and "any") lists nothing, so a
// runeword whose runes line held no number is never listed by a filter of 0 or -1.
bool runeCountMatches(RuneCountFilter filter, std::int32_t runeCount) {
    if (filter == kAnyRuneCount) return true;
    return filter >= 1 && filter <= kMaxRunesPerRuneword && runeCount == filter;
}

}  // namespace

bool RunewordFilter::runeLogicMatches(const Runeword& runeword) const {
    const RuneSet& selected = selections_.runes;
    switch (selections_.runeLogic) {
        case RuneLogic::Any:
            return sharesARune(selected, runeword.runeSet);
        case RuneLogic::All:
            return isSubset(selected, runeword.runeSet);
        case RuneLogic::Complete:
            return isSubset(runeword.runeSet, selected);
    }
    // A value the settings file brought in from outside the three logics.
    return false;
}

bool RunewordFilter::runewordIsListed(const Runeword& runeword) const {
    return runeLogicMatches(runeword) && fitsEquipmentAndCount(runeword);
}

bool RunewordFilter::fitsEquipmentAndCount(const Runeword& runeword) const {
    return (runeword.equipmentMask & selections_.equipment) != 0 &&
           runeCountMatches(selections_.runeCountFilter, runeword.runeCount);
}

std::vector<const Runeword*> RunewordFilter::listedRunewords(const RunewordList& runewords) const {
    std::vector<const Runeword*> listed;
    listed.reserve(runewords.size());
    for (const Runeword& runeword : runewords) {
        if (runewordIsListed(runeword)) listed.push_back(&runeword);
    }
    return listed;
}

}  // namespace sockwright
