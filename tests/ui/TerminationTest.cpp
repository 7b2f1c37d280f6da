// Ending the program from outside (the session ending, kill, Ctrl+C): it ends as its close box
// ends it, from a running window or from a question still open at start-up, and saves nothing
// when its data could not be read. The boxes are the program's real ones, run modally.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <functional>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "ui/MainWindow.h"
#include "ui/ProgramStart.h"
#include "ui/SystemDialogService.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

using testing::RecordingDialogService;
using testing::RuntimeFolder;

// The settings a new start reads, with the number of questions it asked.
struct StartView {
    Settings settings;
    int questions = 0;
};
StartView startView() {
    RecordingDialogService dialogs;
    dialogs.answerYes = true;
    MainWindow window(dialogs);
    EXPECT_TRUE(window.initialise());
    return {window.state().settings, static_cast<int>(dialogs.questions.size())};
}

// Saves settings with the font reminder and the update check turned off.
void saveQuietSettings() {
    RecordingDialogService dialogs;
    dialogs.answerYes = false;
    MainWindow window(dialogs);
    ASSERT_TRUE(window.initialise());
    window.state().settings.checkForUpdates = false;
    window.accept();
}

bool signalHasDefaultAction(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

TEST(Termination, EndsAsTheCloseBoxDoesFromWhereverTheProgramIsAndSavesOnlyLoadedData) {
    if (skinFontInstalled()) GTEST_SKIP() << "the font reminder needs the Exocet face missing";
    const struct {
        const char* what;
        int signal;
        std::function<void()> prepare;      // runs in the runtime folder
        std::function<void()> whenRunning;  // runs in the first modal loop, before the signal
        int status;
    } starts[] = {
        {"the font reminder open", SIGTERM, [] {}, [] {}, 0},
        {"the window running", SIGINT, saveQuietSettings,
         [] {
             auto* window = qobject_cast<MainWindow*>(QApplication::activeModalWidget());
             ASSERT_NE(window, nullptr) << "the main window should run by now";
             window->state().settings.checkForUpdates = true;
         },
         0},
        {"the data error shown", SIGHUP,
         [] {
             saveQuietSettings();
             std::filesystem::remove("data/runes.txt");
         },
         [] {}, kDataErrorExitStatus},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.what);
        RuntimeFolder runtime;
        start.prepare();
        const std::string settingsBefore = runtime.settingsText();
        QTimer::singleShot(0, [&] {
            start.whenRunning();
            std::raise(start.signal);
        });
        SystemDialogService dialogs;

        EXPECT_EQ(startProgram(dialogs), start.status);
        EXPECT_TRUE(signalHasDefaultAction(start.signal)) << "the program's handler outlived it";
        if (start.status == kDataErrorExitStatus) {
            EXPECT_EQ(runtime.settingsText(), settingsBefore) << "settings saved without data";
            continue;
        }
        const StartView next = startView();
        if (settingsBefore.empty()) {
            EXPECT_TRUE(runtime.hasSettings());
            EXPECT_EQ(next.questions, 1) << "an unanswered reminder is asked again";
        } else {
            EXPECT_TRUE(next.settings.checkForUpdates) << "the change made before the end is lost";
            EXPECT_EQ(next.questions, 0);
        }
    }
}

}  // namespace
}  // namespace sockwright
