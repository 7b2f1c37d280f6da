// Ending the program from outside (the session ending, kill, Ctrl+C): it ends as its close box
// ends it, from a running window, a download or a question still open at start-up, and saves
// nothing when its data could not be read. The boxes are the program's real ones, run modally.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QThreadPool>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <set>

#include "MainWindowTest.h"
#include "model/FileContents.h"
#include "support/ChildProcess.h"
#include "ui/ProgramStart.h"
#include "ui/SystemDialogService.h"
#include "ui/UpdateFlow.h"
#include "ui/dialogs/UpdateDialog.h"
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

// The open window of the given type.
template <typename Window>
Window* shownWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
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

// A SIGTERM while a runeword file trickles in: the download is dropped, the settings are saved
// with the change made before, runewords.txt stays byte for byte with no temporary file beside
// it, and the program ends normally. The program runs in a child process, which the signal
// reaches as it would reach the program.
TEST(Termination, DuringADownloadDropsItAndEndsAsTheCloseBoxDoes) {
    using namespace std::chrono_literals;
    RuntimeFolder runtime;
    saveQuietSettings();
    const std::string settingsBefore = runtime.settingsText();
    const std::string runewordsBefore = readWholeFile("data/runewords.txt").bytes;

    // The child gets none of this process's threads: a pool that painting used before would
    // wait there for workers that do not exist. Emptied now, it starts new ones in the child.
    QThreadPool::globalInstance()->waitForDone();
    const testing::ChildOutcome outcome = testing::runInChild(
        [&]() -> std::string {
            // The new file, a piece every 50 ms: it would take a second and a half.
            std::vector<std::string> pieces{"HTTP/1.0 200 OK\r\n\r\n9.0.0"};
            for (std::size_t at = runewordsBefore.find('\n'); at < runewordsBefore.size();
                 at += 700) {
                pieces.push_back(runewordsBefore.substr(at, 700));
            }
            const testing::LoopbackServer server(
                {{pieces, testing::ScriptedReply::Ending::Close, 50ms}});
            std::string report = "the download never started";
            QTimer signalWhenDownloading;
            QObject::connect(&signalWhenDownloading, &QTimer::timeout, [&] {
                if (server.requests().size() != 1) return;
                signalWhenDownloading.stop();
                report.clear();
                QTimer::singleShot(150, [] { ::kill(::getpid(), SIGTERM); });
            });
            // Should the download never start, the program is ended all the same.
            QTimer::singleShot(5s, [] { ::kill(::getpid(), SIGTERM); });
            QTimer::singleShot(0, [&] {
                auto* window = shownWindow<MainWindow>();
                if (window == nullptr) return;
                window->state().settings.checkForUpdates = true;  // only a save keeps it
                window->setUpdateServer({QStringLiteral("127.0.0.1"), server.port(), 10s});
                window->updateFlow().versionsFound({{1, 1, 3}, {9, 0, 0}});
                QTimer::singleShot(0, [] {
                    if (auto* offer = shownWindow<UpdateDialog>())
                        testing::findControl<QAbstractButton>(*offer, "ok").click();
                });
                testing::findControl<QAbstractButton>(*window, "update").click();
                signalWhenDownloading.start(10);
            });
            SystemDialogService dialogs;
            if (startProgram(dialogs) != 0) report += " and the program failed";
            return report;
        },
        20s);

    EXPECT_TRUE(outcome.finished) << "the program did not end by itself";
    EXPECT_EQ(outcome.report, "");
    EXPECT_TRUE(readWholeFile("data/runewords.txt").bytes == runewordsBefore);
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("data"))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files,
              (std::set<std::string>{"realms.txt", "runes.txt", "runewords.txt", "settings.dat"}));
    std::string expectedSettings = settingsBefore;
    expectedSettings[expectedSettings.find('\n') + 1] = '1';  // the second line: check for updates
    EXPECT_EQ(runtime.settingsText(), expectedSettings);
}

}  // namespace
}  // namespace sockwright
