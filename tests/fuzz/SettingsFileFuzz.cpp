// The settings reader: whatever the file holds, the state after loading is one the program can
// work with, and a CR LF file without empty lines loads like its LF one. Saved, loaded and saved
// again, it writes the same bytes twice and loads to what the program held before saving.

#include "fuzz/SettingsChecks.h"

FUZZ_TARGET(bytes) {
    ProgramState state;
    loadSettingsText(bytes, state);
    checkLoadedSettings(state);

    if (hasPlainLines(bytes)) {
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
}
