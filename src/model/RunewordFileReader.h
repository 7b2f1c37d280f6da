#pragma once

#include <memory>
#include <string_view>

#include "model/MessageSink.h"
#include "model/ProgramState.h"
#include "model/RuneTable.h"
#include "model/RunewordList.h"
#include "model/VersionTriple.h"

namespace sockwright {

inline constexpr const char* kCorruptRunewordFileMessage = "Corrupt Runeword file";

struct RunewordFileParse {
    // How many numbers of the version line read (0..3) and their values; 0 for a file of one
    // line, which holds nothing to read.
    int versionNumbersRead = 0;
    RuneDataVersion version{0, 0, 0};
    // The entries, or nullptr when the version line did not read and so no entry was read.
    std::shared_ptr<RunewordList> runewords;
    // An entry's equipment line held no "0x" number.
    bool corrupt = false;
};

RunewordFileParse parseRunewordFile(std::string_view contents, const RuneTable& runeTable);

enum class RunewordLoadResult {
    Loaded,   // read (also when the version line did not read and the list was kept)
    Failed,   // the file could not be opened or held in memory; the message was shown
    Corrupt,  // an entry is corrupt; "Corrupt Runeword file" was shown and the program must end
};

// Reads runewords.txt from the state's data folder into its runeword list and version.
RunewordLoadResult loadRunewords(ProgramState& state, MessageSink& messages);

}  // namespace sockwright
