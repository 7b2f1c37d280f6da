#include "model/RunewordFileReader.h"

#include <new>

#include "model/FileContents.h"
#include "model/LineCursor.h"
#include "model/NumberReader.h"

namespace sockwright {
namespace {

// The mask line must start with exactly "0x", followed by a hexadecimal number.
bool readEquipmentLine(std::string_view line, EquipmentMask& mask) {
    if (!line.starts_with("0x")) return false;
    std::size_t position = 2;
    return readHexadecimal(line, position, mask);
}

// Up to six rune numbers separated by blanks. The count is -1 when the line holds nothing but
// blanks, 0 when it does not start with a number; reading stops at anything else.
void readRunesLine(std::string_view line, Runeword& runeword) {
    std::size_t position = 0;
    skipBlanks(line, position);
    if (position == line.size()) {
        runeword.runeCount = -1;
        return;
    }
    runeword.runeCount = 0;
    while (runeword.runeCount < kMaxRunesPerRuneword &&
           readDecimal(line, position, runeword.runes[runeword.runeCount])) {
        ++runeword.runeCount;
    }
}

// A rune number without a rune (outside 1..33, or a slot the rune file left empty) adds
// neither a bit nor a level.
void deriveFromRunes(Runeword& runeword, const RuneTable& runeTable) {
    for (int i = 0; i < runeword.runeCount; ++i) {
        const int number = runeword.runes[i];
        const Rune* rune = runeTable.find(number);
        if (!rune) continue;
        runeword.runeSet.add(number);
        if (rune->level > runeword.requiredLevel) runeword.requiredLevel = rune->level;
    }
}

// Reads one entry; false when its equipment line holds no number.
bool readEntry(LineCursor& lines, const RuneTable& runeTable, Runeword& runeword) {
    runeword.name.assign(lines.next());
    if (!readEquipmentLine(lines.next(), runeword.equipmentMask)) return false;
    runeword.equipmentText = equipmentText(runeword.equipmentMask);
    readRunesLine(lines.next(), runeword);
    deriveFromRunes(runeword, runeTable);
    for (std::string_view property = lines.next(); !property.empty(); property = lines.next()) {
        runeword.properties.append(property);
        runeword.properties.push_back('\n');
    }
    return true;
}

}  // namespace

RunewordFileParse parseRunewordFile(std::string_view contents, const RuneTable& runeTable) {
    RunewordFileParse parse;
    // A file of one line holds no entry and, cut short or not, is not taken as a version either:
    // a truncated download must not claim the newer version with the old runewords.
    const std::size_t versionEnd = contents.find('\n');
    if (versionEnd == std::string_view::npos) return parse;
    parse.versionNumbersRead = readVersion(contents.substr(0, versionEnd), parse.version);
    if (parse.versionNumbersRead < 3) return parse;

    auto runewords = std::make_shared<RunewordList>();
    LineCursor lines(contents, versionEnd + 1);
    // At least one entry is read, even when the version line is all the file holds.
    do {
        Runeword& runeword = runewords->emplace_back();
        if (!readEntry(lines, runeTable, runeword)) {
            parse.corrupt = true;
            return parse;
        }
    } while (!lines.atEnd() && runewords->size() < kMaxRunewords);
    parse.runewords = std::move(runewords);
    return parse;
}

RunewordLoadResult loadRunewords(ProgramState& state, MessageSink& messages) {
    FileContents file = readWholeFile(state.dataFolder / "runewords.txt");
    if (file.status != FileReadStatus::Read) {
        showReadFailure(file.status, messages);
        return RunewordLoadResult::Failed;
    }
    RunewordFileParse parse;
    try {
        parse = parseRunewordFile(file.bytes, state.runeTable);
    } catch (const std::bad_alloc&) {
        showReadFailure(FileReadStatus::OutOfMemory, messages);
        return RunewordLoadResult::Failed;
    }
    if (parse.corrupt) {
        messages.showMessage(kCorruptRunewordFileMessage);
        return RunewordLoadResult::Corrupt;
    }

    // The numbers of the version line that did read replace the old ones, even when no entry
    // was read.
    if (parse.versionNumbersRead >= 1) state.runeDataVersion.major = parse.version.major;
    if (parse.versionNumbersRead >= 2) state.runeDataVersion.minor = parse.version.minor;
    if (parse.versionNumbersRead >= 3) state.runeDataVersion.build = parse.version.build;
    if (parse.runewords) state.runewords = std::move(parse.runewords);
    return RunewordLoadResult::Loaded;
}

}  // namespace sockwright
