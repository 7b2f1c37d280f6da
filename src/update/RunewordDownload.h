#pragma once

#include <filesystem>
#include <string>

#include "model/RuneTable.h"
#include "update/UpdateServer.h"

namespace sockwright {

struct RunewordDownloadResult {
    bool stored = false;
    // Why nothing was stored, for the diagnostic stream; empty when the file was stored.
    std::string reason;
};

// Fetches the current runeword file from the update server and puts it in the place of the data
// folder's runewords.txt (through a temporary file beside it) only when the transfer completed
// and the file reads as a runeword file no larger than kMostDataFileBytes; otherwise
// runewords.txt is left as it was. The caller waits (the event loop runs without user input).
RunewordDownloadResult downloadRunewords(const UpdateServer& server,
                                         const std::filesystem::path& dataFolder,
                                         const RuneTable& runeTable);

}  // namespace sockwright
