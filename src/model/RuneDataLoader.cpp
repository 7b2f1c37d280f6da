#include "model/RuneDataLoader.h"

#include <new>
#include <optional>
#include <string>

#include "model/FileContents.h"
#include "model/RealmFileReader.h"
#include "model/RuneFileReader.h"
#include "model/RunewordFileReader.h"
#include "model/SettingsFile.h"

namespace sockwright {
namespace {

// Reads one data file whole; shows the message and returns nothing when it cannot.
std::optional<std::string> readDataFile(const ProgramState& state, const char* name,
                                        MessageSink& messages) {
    FileContents file = readWholeFile(state.dataFolder / name);
    if (file.status != FileReadStatus::Read) {
        showReadFailure(file.status, messages);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

}  // namespace

RuneDataLoadResult loadRuneData(ProgramState& state, MessageSink& messages) {
    try {
        const auto runes = readDataFile(state, "runes.txt", messages);
        if (!runes) return RuneDataLoadResult::Failed;
        state.runeTable = parseRuneFile(*runes);
    } catch (const std::bad_alloc&) {
        showReadFailure(FileReadStatus::OutOfMemory, messages);
        return RuneDataLoadResult::Failed;
    }

    // The runewords come after the runes: their required levels read the rune table.
    switch (loadRunewords(state, messages)) {
        case RunewordLoadResult::Loaded: break;
        case RunewordLoadResult::Failed: return RuneDataLoadResult::Failed;
        case RunewordLoadResult::Corrupt: return RuneDataLoadResult::CorruptRunewords;
    }

    try {
        const auto realms = readDataFile(state, "realms.txt", messages);
        if (!realms) return RuneDataLoadResult::Failed;
        state.realms = parseRealmFile(*realms);
    } catch (const std::bad_alloc&) {
        showReadFailure(FileReadStatus::OutOfMemory, messages);
        return RuneDataLoadResult::Failed;
    }

    loadSettings(state);
    return RuneDataLoadResult::Loaded;
}

}  // namespace sockwright
