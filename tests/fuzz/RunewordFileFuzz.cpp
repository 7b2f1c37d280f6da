// The runeword file reader: entries within their limits, runes and levels derived from the rune
// numbers, and a CR LF file read like its LF one.

#include <algorithm>

#include "fuzz/FuzzTarget.h"
#include "model/RunewordFileReader.h"

namespace sockwright::fuzz {
namespace {

bool sameRuneword(const Runeword& a, const Runeword& b) {
    return a.name == b.name && a.equipmentText == b.equipmentText && a.runeCount == b.runeCount &&
           a.runes == b.runes && a.requiredLevel == b.requiredLevel && a.runeSet == b.runeSet &&
           a.equipmentMask == b.equipmentMask && a.properties == b.properties;
}

bool sameParse(const RunewordFileParse& a, const RunewordFileParse& b) {
    if (a.versionNumbersRead != b.versionNumbersRead || a.version != b.version ||
        a.corrupt != b.corrupt || !a.runewords != !b.runewords) {
        return false;
    }
    return !a.runewords || std::equal(a.runewords->begin(), a.runewords->end(),
                                      b.runewords->begin(), b.runewords->end(), sameRuneword);
}

// Rune n has level n in the table the target reads with.
void checkRuneword(const Runeword& runeword) {
    FUZZ_CHECK(runeword.runeCount >= -1 && runeword.runeCount <= kMaxRunesPerRuneword);
    FUZZ_CHECK(runeword.name.find('\n') == std::string::npos);
    FUZZ_CHECK(runeword.equipmentText == equipmentText(runeword.equipmentMask));
    FUZZ_CHECK(runeword.properties.empty() ||
               (runeword.properties.back() == '\n' && !runeword.properties.starts_with('\n') &&
                runeword.properties.find("\n\n") == std::string::npos));
    RuneSet runes;
    int level = 1;
    for (int i = 0; i < runeword.runeCount; ++i) {
        runes.add(runeword.runes[i]);
        if (isRuneNumber(runeword.runes[i])) level = std::max(level, runeword.runes[i]);
    }
    FUZZ_CHECK(runeword.runeSet == runes && runeword.requiredLevel == level);
}

}  // namespace
}  // namespace sockwright::fuzz

FUZZ_TARGET(bytes) {
    const RunewordFileParse parse = parseRunewordFile(bytes, fullRuneTable());

    FUZZ_CHECK(parse.versionNumbersRead >= 0 && parse.versionNumbersRead <= 3);
    if (parse.versionNumbersRead < 3) FUZZ_CHECK(!parse.runewords && !parse.corrupt);
    if (parse.corrupt) FUZZ_CHECK(!parse.runewords);
    if (parse.runewords) {
        FUZZ_CHECK(!parse.runewords->empty() && parse.runewords->size() <= kMaxRunewords);
        for (const Runeword& runeword : *parse.runewords) checkRuneword(runeword);
    }

    if (bytes.find('\r') == std::string_view::npos)
        FUZZ_CHECK(sameParse(parseRunewordFile(withCrLf(bytes), fullRuneTable()), parse));
}
