#include "model/RuneFileReader.h"

#include <array>
#include <string>

#include "model/LineCursor.h"
#include "model/NumberReader.h"

namespace sockwright {
namespace {

constexpr std::size_t kFieldCount = 5;

// Reads "name:level:weapons:armour:shields" into the rune. A field missing because the line
// ends early keeps the rune's default; a ":" after the fifth field and the rest are ignored.
void readRuneLine(std::string_view line, Rune& rune) {
    std::string* const texts[kFieldCount] = {&rune.name, nullptr, &rune.weaponsText,
                                             &rune.armourText, &rune.shieldsText};
    std::size_t fieldStart = 0;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        const std::size_t colon = line.find(':', fieldStart);
        const std::size_t fieldEnd = colon == std::string_view::npos ? line.size() : colon;
        const std::string_view text = line.substr(fieldStart, fieldEnd - fieldStart);
        if (texts[field]) {
            texts[field]->assign(text);
        } else {
            std::size_t position = 0;
            readDecimal(text, position, rune.level);  // a level that does not read stays 1
        }
        if (colon == std::string_view::npos) return;
        fieldStart = colon + 1;
    }
}

}  // namespace

RuneTable parseRuneFile(std::string_view contents) {
    RuneTable table;
    LineCursor lines(contents);
    // An empty file has no lines and so gives no rune.
    for (int number = 1; number <= kRuneCount && !lines.atEnd(); ++number) {
        Rune rune;
        rune.number = number;
        readRuneLine(lines.next(), rune);
        table.set(number, std::move(rune));
    }
    return table;
}

}  // namespace sockwright
