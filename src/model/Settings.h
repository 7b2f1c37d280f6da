#pragma once

#include "model/BuildVersion.h"
#include "model/VersionTriple.h"

namespace sockwright {

// The program's version, which the settings file records on its first line.
inline constexpr ProgramVersion kSettingsFileVersion{kBuildVersionMajor, kBuildVersionMinor,
                                                     kBuildVersionPatch};

// The main window's switches and versions that the settings file keeps.
struct Settings {
    bool checkForUpdates = true;
    bool remindMissingFont = true;
    ProgramVersion programVersion = kSettingsFileVersion;
    // Set when the file on disk was not read in full; the next save keeps a copy of it first.
    bool keepBackupBeforeSave = false;
    // The same for the rune counts file, when it was there but of another kind, size or version.
    bool keepCountsBackupBeforeSave = false;
};

}  // namespace sockwright
