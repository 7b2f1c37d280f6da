// The rune file reader: line k is rune k, up to 33 runes, and a CR LF file reads like its LF one.

#include <algorithm>

#include "fuzz/FuzzTarget.h"

namespace sockwright::fuzz {
namespace {

bool sameRune(const Rune& a, const Rune& b) {
    return a.number == b.number && a.level == b.level && a.name == b.name &&
           a.weaponsText == b.weaponsText && a.armourText == b.armourText &&
           a.shieldsText == b.shieldsText;
}

bool holdsLineFeed(const Rune& rune) {
    for (const std::string* text :
         {&rune.name, &rune.weaponsText, &rune.armourText, &rune.shieldsText}) {
        if (text->find('\n') != std::string::npos) return true;
    }
    return false;
}

}  // namespace
}  // namespace sockwright::fuzz

FUZZ_TARGET(bytes) {
    const RuneTable table = parseRuneFile(bytes);

    const long lines = std::count(bytes.begin(), bytes.end(), '\n') +
                       (bytes.empty() || bytes.back() == '\n' ? 0 : 1);
    const int runes = static_cast<int>(std::min<long>(lines, kRuneCount));
    FUZZ_CHECK(table.filledCount() == runes);
    for (int number = 1; number <= runes; ++number) {
        const Rune* rune = table.find(number);
        FUZZ_CHECK(rune && rune->number == number && !holdsLineFeed(*rune));
    }

    if (bytes.find('\r') == std::string_view::npos) {
        const RuneTable crLf = parseRuneFile(withCrLf(bytes));
        FUZZ_CHECK(crLf.filledCount() == runes);
        for (int number = 1; number <= runes; ++number)
            FUZZ_CHECK(sameRune(*crLf.find(number), *table.find(number)));
    }
}
