// The settings reader: whatever the file holds, the state after loading is one the program can
// work with, and a CR LF file without empty lines loads like its LF one. Saved, loaded and saved
// again, it writes the same bytes twice and loads to what the program held before saving.

#include "fuzz/SettingsChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sockwright;
    using namespace sockwright::fuzz;
    const std::string_view bytes = bytesOf(data, size);
    ProgramState state;
    loadSettingsText(bytes, state);
    checkLoadedSettings(state);

    // An empty line or a zero byte ends reading in an LF file; its CR LF form would read on.
    const bool plainLines = bytes.find_first_of(std::string_view("\r\0", 2)) == std::string::npos &&
                            !bytes.starts_with('\n') && bytes.find("\n\n") == std::string::npos;
    if (plainLines) {
        ProgramState crLf;
        loadSettingsText(withCrLf(bytes), crLf);
        FUZZ_CHECK(sameSettings(crLf, state) &&
                   crLf.settings.programVersion == state.settings.programVersion);
        FUZZ_CHECK(crLf.settings.keepBackupBeforeSave == state.settings.keepBackupBeforeSave);
    }

    const std::string saved = settingsFileText(state);
    ProgramState again;
    loadSettingsText(saved, again);
    FUZZ_CHECK(!again.settings.keepBackupBeforeSave && sameSettings(again, state));
    FUZZ_CHECK(settingsFileText(again) == saved);
    return 0;
}
