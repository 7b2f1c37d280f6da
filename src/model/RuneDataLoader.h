#pragma once

#include "model/MessageSink.h"
#include "model/ProgramState.h"

namespace sockwright {

enum class RuneDataLoadResult {
    Loaded,
    Failed,           // a data file could not be read; its message was shown
    CorruptRunewords  // "Corrupt Runeword file" was shown
};

// Reads runes.txt, runewords.txt, realms.txt and settings.dat, in that order, from the state's
// data folder. Stops at the first data file that cannot be read.
RuneDataLoadResult loadRuneData(ProgramState& state, MessageSink& messages);

}  // namespace sockwright
