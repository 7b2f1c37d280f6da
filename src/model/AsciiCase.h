#pragma once

#include <algorithm>
#include <string_view>

namespace sockwright {

// Whether two texts are equal with the letter case of A to Z ignored, as the game and the
// settings file compare account and character names; other bytes must be the same.
inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace sockwright
