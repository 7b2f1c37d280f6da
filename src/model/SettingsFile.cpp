// Placeholder until the settings reader and writer land.
#include "model/SettingsFile.h"

namespace sockwright {

void loadSettings(ProgramState& state) { state.accounts.createDefaultAccounts(); }
bool readSettingsBody(std::string_view, std::size_t&, ProgramState&) { return false; }
std::string settingsFileText(const ProgramState&) { return {}; }
bool saveSettings(const ProgramState&) { return false; }

}  // namespace sockwright
