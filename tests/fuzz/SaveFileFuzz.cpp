// The save file reader: whatever the bytes, it reads them or gives a reason, never both, and what
// it reads is a summary the program can show.

#include <algorithm>

#include "fuzz/FuzzTarget.h"
#include "model/CharacterClass.h"
#include "savefile/SaveFileReader.h"

using sockwright::savefile::SaveFileKind;
using sockwright::savefile::SaveFileReader;
using sockwright::savefile::SaveFileReading;
using sockwright::savefile::SaveFileSummary;

FUZZ_TARGET(bytes) {
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
