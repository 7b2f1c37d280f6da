#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/Rune.h"
#include "model/RuneSet.h"

namespace sockwright {

// The 33 rune slots, by rune number. A slot is empty when the rune file had fewer lines.
class RuneTable {
  public:
    // The rune with this number, or nullptr for an empty slot or a number outside 1..33.
    const Rune* find(int number) const {
        if (!isRuneNumber(number) || !slots_[number - 1]) return nullptr;
        return &*slots_[number - 1];
    }
    // The rune's name; "#n" for an empty slot, so a line naming the rune still says which.
    std::string nameOf(int number) const {
        if (const Rune* rune = find(number)) return rune->name;
        std::string shown = "#";
        shown += std::to_string(number);
        return shown;
    }
    void set(int number, Rune rune) {
        if (isRuneNumber(number)) slots_[number - 1] = std::move(rune);
    }
    int filledCount() const {
        int count = 0;
        for (const auto& slot : slots_) count += slot ? 1 : 0;
        return count;
    }

  private:
    std::array<std::optional<Rune>, kRuneCount> slots_;
};

}  // namespace sockwright
