#pragma once

#include <array>
#include <optional>

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
