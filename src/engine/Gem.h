#pragma once

#include <string>

namespace sockwright {

// The six kinds of gem, in the order the cube recipes take them in turn.
enum class GemKind { Topaz, Amethyst, Sapphire, Ruby, Emerald, Diamond };

// A gem's grade, lowest first. The rune upgrades use the first four.
enum class GemGrade { Chipped, Flawed, Standard, Flawless, Perfect };

struct Gem {
    GemKind kind = GemKind::Topaz;
    GemGrade grade = GemGrade::Chipped;

    friend constexpr bool operator==(const Gem&, const Gem&) = default;
};

// The gem as players name it: "Chipped Topaz", "Topaz" (a standard one), "Flawless Ruby".
std::string gemName(const Gem& gem);

}  // namespace sockwright
