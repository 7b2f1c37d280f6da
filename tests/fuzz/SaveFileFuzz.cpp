// The save file reader: whatever the bytes, it reads them or gives a reason, never both, and what
// it reads is a summary the program can show. A character file's length and checksum are mended
// in a second reading, so that changed bytes reach its items rather than the checksum alone.

#include <algorithm>

#include "fuzz/FuzzTarget.h"
#include "model/CharacterClass.h"
#include "savefile/SaveFileBytes.h"
#include "savefile/SaveFileReader.h"

namespace sockwright::fuzz {
namespace {

using savefile::SaveFileKind;
using savefile::SaveFileReader;
using savefile::SaveFileReading;
using savefile::SaveFileSummary;

void checkReading(std::string_view bytes) {
    const SaveFileReading reading = SaveFileReader::readBytes(bytes, "SharedStashHardCoreV2.d2i");
    FUZZ_CHECK(reading.ok() == reading.reason.empty());
    if (!reading.ok()) return;

    const SaveFileSummary& summary = *reading.summary;
    FUZZ_CHECK(summary.version == 97 || summary.version == 98 || summary.version == 99 ||
               summary.version == 105);
    if (summary.kind == SaveFileKind::SharedStash) {
        FUZZ_CHECK(summary.hardcore && summary.name.empty() && summary.characterClass == -1);
        return;
    }
    FUZZ_CHECK(!summary.name.empty() && summary.name.size() <= 16);
    FUZZ_CHECK(std::all_of(summary.name.begin(), summary.name.end(),
                           [](char c) { return c > ' ' && c <= '~'; }));
    FUZZ_CHECK(isCharacterClass(summary.characterClass));
    FUZZ_CHECK(summary.characterClass != 7 || summary.version == 105);
}

void put32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

}  // namespace
}  // namespace sockwright::fuzz

FUZZ_TARGET(bytes) {
    checkReading(bytes);
    if (bytes.size() >= 16 && savefile::littleEndian(bytes, 4) >= 96) {
        std::string sealed(bytes);
        put32(sealed, 8, static_cast<std::uint32_t>(sealed.size()));
        put32(sealed, 12, savefile::saveFileChecksum(sealed));
        checkReading(sealed);
    }
}
