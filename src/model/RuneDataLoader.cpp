#include "model/RuneDataLoader.h"

#include <new>

#include "model/FileContents.h"
#include "model/RealmFileReader.h"
#include "model/RuneFileReader.h"
#include "model/RunewordFileReader.h"
#include "model/SettingsFile.h"

namespace sockwright {
namespace {

// Reads one data file whole and parses it into the target; shows the message and returns false
// when the file cannot be read or held in memory.
template <typename Target, typename Parser>
bool loadDataFile(const ProgramState& state, const char* name, MessageSink& messages,
                  Target& target, Parser parse) {
    try {
        const FileContents file = readWholeFile(state.dataFolder / name);
        if (file.status != FileReadStatus::Read) {
            showReadFailure(file.status, messages);
            return false;
        }
        target = parse(file.bytes);
        return true;
    } catch (const std::bad_alloc&) {
        showReadFailure(FileReadStatus::OutOfMemory, messages);
        return false;
    }
}

}  // namespace

RuneDataLoadResult loadRuneData(ProgramState& state, MessageSink& messages) {
    if (!loadDataFile(state, "runes.txt", messages, state.runeTable, parseRuneFile)) {
        return RuneDataLoadResult::Failed;
    }
    // The runewords come after the runes: their required levels read the rune table.
    switch (loadRunewords(state, messages)) {
        case RunewordLoadResult::Loaded:
            break;
        case RunewordLoadResult::Failed:
            return RuneDataLoadResult::Failed;
        case RunewordLoadResult::Corrupt:
            return RuneDataLoadResult::CorruptRunewords;
    }
    if (!loadDataFile(state, "realms.txt", messages, state.realms, parseRealmFile)) {
        return RuneDataLoadResult::Failed;
    }
    loadSettings(state);
    return RuneDataLoadResult::Loaded;
}

}  // namespace sockwright
