#pragma once

#include <vector>

#include "model/CharacterSelections.h"
#include "model/Runeword.h"
#include "model/RunewordList.h"

namespace sockwright {

// Decides which runewords are listed for a character's selections. Holds no state of its own.
class RunewordFilter {
  public:
    explicit RunewordFilter(const CharacterSelections& selections) : selections_(selections) {}

    bool runeLogicMatches(const Runeword& runeword) const;
    bool runewordIsListed(const Runeword& runeword) const;
    // The tests of the listing besides the rune logic: a wanted equipment type and the count.
    bool fitsEquipmentAndCount(const Runeword& runeword) const;
    // The listed runewords in list order; the pointers refer into the given list.
    std::vector<const Runeword*> listedRunewords(const RunewordList& runewords) const;

  private:
    const CharacterSelections& selections_;
};

}  // namespace sockwright
