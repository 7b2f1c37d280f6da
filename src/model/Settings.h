#pragma once

#include "model/VersionTriple.h"

namespace sockwright {

inline constexpr ProgramVersion kSettingsFileVersion{1, 1, 3};

// The main window's switches and versions that the settings file keeps.
struct Settings {
    bool checkForUpdates = true;
    bool remindMissingFont = true;
    ProgramVersion programVersion = kSettingsFileVersion;
    // Set when the file on disk was not read in full; the next save keeps a copy of it first.
    bool keepBackupBeforeSave = false;
};

}  // namespace sockwright
