#pragma once

namespace sockwright {

class DialogService;

// The program's exit status when its data could not be loaded at start-up.
inline constexpr int kDataErrorExitStatus = 1;

// Creates the main window, initialises it and runs it until it ends. Returns the program's exit
// status: 0 after the window has run, kDataErrorExitStatus when the data could not be loaded
// (the window is then never shown and nothing is saved). SIGTERM, SIGINT and SIGHUP end it as
// its close box does, with the settings saved, from wherever it is.
int startProgram(DialogService& dialogs);

}  // namespace sockwright
