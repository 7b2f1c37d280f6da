#include "savefile/CharacterFileReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "savefile/BitReader.h"
#include "savefile/ItemDecoder.h"
#include "savefile/SaveFileBytes.h"
#include "savefile/SaveFileError.h"

namespace sockwright::savefile {
namespace {

// Where the header's fields lie in each format version.
struct HeaderLayout {
    std::size_t name, status, gameClass, level, mercenary, quests, attributes;
};
constexpr HeaderLayout kLayoutBeforeName{20, 36, 40, 43, 179, 335, 765};      // 97
constexpr HeaderLayout kLayoutNameMoved{267, 36, 40, 43, 179, 335, 765};      // 98, 99
constexpr HeaderLayout kLayoutLatestEdition{299, 20, 24, 27, 163, 403, 833};  // 105

constexpr std::size_t kEditionMarker = 248;  // 105: 3 for a character of the latest edition
constexpr int kLatestEdition = 3;
constexpr unsigned kHardcoreStatus = 1u << 2;
constexpr unsigned kExpansionStatus = 1u << 5;
constexpr std::size_t kNameBytes = 16;
constexpr std::size_t kSkillBytes = 30;
constexpr std::size_t kCorpseHeaderBytes = 12;

// The game's class numbers in this program's order of classes.
constexpr std::array<int, 8> kProgramClassOfGameClass{0, 5, 4, 6, 2, 3, 1, 7};
constexpr int kWarlock = 7;

// The widths of the character's attributes 0..15, by id.
constexpr std::array<int, 16> kAttributeBits{10, 10, 10, 10, 10, 8,  21, 21,
                                             21, 21, 21, 21, 7,  32, 25, 25};

std::string readName(std::string_view bytes, std::size_t offset) {
    std::string name(bytes.substr(offset, kNameBytes));
    name.erase(std::min(name.find('\0'), name.size()));
    for (const char c : name) {
        if (c <= ' ' || c > '~') throw SaveFileError("the character's name is not readable");
    }
    if (name.empty()) throw SaveFileError("the character has no name");
    return name;
}

void skipAttributes(BitReader& reader) {
    reader.expectMarker("gf");
    for (;;) {
        const std::uint32_t id = reader.read(9);
        if (id == 0x1FF) break;
        if (id >= kAttributeBits.size()) {
            throw SaveFileError("an unknown character attribute " + std::to_string(id));
        }
        reader.skip(static_cast<std::size_t>(kAttributeBits[id]));
    }
    reader.align();
}

}  // namespace

SaveFileSummary CharacterFileReader::read(std::string_view bytes) {
    SaveFileSummary summary;
    summary.kind = SaveFileKind::Character;
    summary.version = static_cast<int>(littleEndian(bytes, 4));
    const HeaderLayout& layout = summary.version == 97    ? kLayoutBeforeName
                                 : summary.version == 105 ? kLayoutLatestEdition
                                                          : kLayoutNameMoved;
    if (bytes.size() < layout.quests) throw SaveFileError("the file is cut short in its header");
    if (littleEndian(bytes, 8) != bytes.size()) {
        throw SaveFileError("the file is not as long as its header says (cut or damaged)");
    }
    if (littleEndian(bytes, 12) != saveFileChecksum(bytes)) {
        throw SaveFileError("the checksum does not match (damaged, or caught while being saved)");
    }

    summary.name = readName(bytes, layout.name);
    const auto status = static_cast<unsigned char>(bytes[layout.status]);
    summary.gameClass = static_cast<unsigned char>(bytes[layout.gameClass]);
    summary.level = static_cast<unsigned char>(bytes[layout.level]);
    if (summary.gameClass > (summary.version == 105 ? kWarlock : kWarlock - 1)) {
        throw SaveFileError("an unknown character class " + std::to_string(summary.gameClass));
    }
    summary.characterClass = kProgramClassOfGameClass[static_cast<std::size_t>(summary.gameClass)];
    summary.hardcore = (status & kHardcoreStatus) != 0;
    const bool latestEdition = summary.version == 105 &&
                               static_cast<unsigned char>(bytes[kEditionMarker]) == kLatestEdition;
    summary.expansion = (status & kExpansionStatus) != 0 || latestEdition;

    // A character never played holds its header alone.
    if (bytes.size() == layout.quests) return summary;

    BitReader reader(bytes, layout.attributes);
    skipAttributes(reader);
    reader.expectMarker("if");
    reader.skip(kSkillBytes * 8);

    ItemDecoder items(summary.version, summary);
    items.readList(reader, ItemArea::Character);
    reader.expectMarker("JM");
    const std::uint32_t corpses = reader.readBytes(2);
    for (std::uint32_t corpse = 0; corpse < corpses; ++corpse) {
        reader.skip(kCorpseHeaderBytes * 8);
        items.readList(reader, ItemArea::Character);
    }
    if (summary.expansion) {
        reader.expectMarker("jf");
        if (littleEndian(bytes, layout.mercenary) != 0) items.readList(reader, ItemArea::Companion);
        reader.expectMarker("kf");
        const std::uint32_t golem = reader.readBytes(1);
        if (golem > 1) throw SaveFileError("a damaged iron golem section");
        if (golem == 1) items.readItem(reader, ItemArea::Companion);
        // The latest edition's minion data holds no items.
        if (latestEdition) {
            if (reader.readBytes(2) != 1) throw SaveFileError("a damaged section after the golem");
            reader.expectMarker("lf");
            return summary;
        }
    }
    if (!reader.atEnd()) {
        throw SaveFileError("unexpected data after the last item, at byte " +
                            std::to_string(reader.bytePosition()));
    }
    return summary;
}

}  // namespace sockwright::savefile
