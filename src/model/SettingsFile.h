#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/FileReplacement.h"
#include "model/ProgramState.h"
#include "model/SaveFailure.h"
#include "model/SaveResult.h"

namespace sockwright {

// Fills the accounts, current account and character, switches and program version from
// settings.dat in the state's data folder, then the characters' rune counts and goals from the
// counts file beside it (loadRuneCounts). Never fails: whatever cannot be read gives defaults,
// and afterwards there is at least one account and the current character is a slot in use.
void loadSettings(ProgramState& state);

// Does what loadSettings does with the bytes of a settings file once it has read them; the rune
// counts follow the rune bits, one of each rune owned.
void loadSettingsText(std::string_view bytes, ProgramState& state);

// Reads a version 1.1 settings text from the reading position. Fails when the file ends, or
// holds an empty line, inside the header or an account block; keeps what was read.
bool readSettingsBody(std::string_view buffer, std::size_t& position, ProgramState& state);

// The whole settings file as the program writes it.
std::string settingsFileText(const ProgramState& state);

// Where the settings file of the state's data folder is.
std::filesystem::path settingsFilePath(const ProgramState& state);

// Writes settings.dat safely (replaceFileContents). On failure the old file is unchanged and
// the result tells why. When the file on disk was not read in full
// (settings.keepBackupBeforeSave), it is first copied to settings.dat.bak and the flag cleared;
// when that copy fails, nothing is saved. Tests pass calls that fail on purpose.
SaveResult saveSettings(ProgramState& state, const FileSystemCalls& calls = {});

// The save of the program: settings.dat (saveSettings), then the counts file (saveRuneCounts).
// Nothing when both were written, otherwise the file that failed and why. When settings.dat
// fails the counts file is left as it is, so the two on disk still come from one save.
std::optional<SaveFailure> saveSettingsFiles(ProgramState& state,
                                             const FileSystemCalls& calls = {});

}  // namespace sockwright
