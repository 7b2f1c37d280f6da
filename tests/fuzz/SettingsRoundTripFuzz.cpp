// Any bytes loaded as the settings file, saved, loaded and saved again: the second save writes
// the same bytes as the first, and the saved file loads to what the program held before saving.

#include "fuzz/SettingsChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sockwright;
    using namespace sockwright::fuzz;
    ProgramState first;
    loadSettingsText(bytesOf(data, size), first);
    const std::string saved = settingsFileText(first);

    ProgramState second;
    loadSettingsText(saved, second);
    FUZZ_CHECK(!second.settings.keepBackupBeforeSave);
    FUZZ_CHECK(sameSettings(second, first));
    FUZZ_CHECK(settingsFileText(second) == saved);
    return 0;
}
