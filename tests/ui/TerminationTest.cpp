// Ending the program from outside (the session ending, kill, Ctrl+C): it ends as its close box
// ends it, from a question still open at start-up, and saves nothing when its data could not be
// read. The boxes are the program's real ones, run modally. A download the ending drops is
// UpdateFlowTest's; SIGTERM reaching the installed program, the package test's.
#include <gtest/gtest.h>

#include <QTimer>
#include <csignal>
#include <filesystem>

#include "MainWindowTest.h"
#include "ui/ProgramStart.h"
#include "ui/SystemDialogService.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

using testing::RuntimeFolder;

// Saves settings with the font reminder and the update check turned off.
void saveQuietSettings() {
    testing::StartedWindow started(false);
    started.window.state().settings.checkForUpdates = false;
    started.window.accept();
}

bool signalHasDefaultAction(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

TEST(Termination, EndsAsTheCloseBoxDoesFromWhereverTheProgramIsAndSavesOnlyLoadedData) {
    if (skinFontInstalled()) GTEST_SKIP() << "the font reminder needs the Exocet face missing";
    for (const bool dataBroken : {false, true}) {
        SCOPED_TRACE(dataBroken ? "the data error shown" : "the font reminder open");
        RuntimeFolder runtime;
        if (dataBroken) {
            saveQuietSettings();
            std::filesystem::remove("data/runes.txt");
        }
        const int signal = dataBroken ? SIGHUP : SIGINT;
        const std::string settingsBefore = runtime.settingsText();
        QTimer::singleShot(0, [signal] { std::raise(signal); });
        SystemDialogService dialogs;

        EXPECT_EQ(startProgram(dialogs), dataBroken ? kDataErrorExitStatus : 0);
        EXPECT_TRUE(signalHasDefaultAction(signal)) << "the program's handler outlived it";
        if (dataBroken) {
            EXPECT_EQ(runtime.settingsText(), settingsBefore) << "settings saved without data";
        } else {
            EXPECT_TRUE(runtime.hasSettings());
            EXPECT_EQ(testing::StartedWindow().dialogs.questions.size(), 1)
                << "an unanswered reminder is asked again";
        }
    }
}

}  // namespace
}  // namespace sockwright
