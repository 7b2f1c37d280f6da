// The update flow as a user meets it: the check, the offer, the boxes the Update button opens
// and what a download does, against a scripted server on loopback. The flow runs beside a plain
// dialog; one test runs it in the main window, for what the window itself does.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "MainWindowTest.h"
#include "model/FileContents.h"
#include "model/RuneDataLoader.h"
#include "support/RecordingMessageSink.h"
#include "ui/UpdateFlow.h"

namespace sockwright {
namespace {

using testing::LoopbackServer;
using testing::ScriptedReply;
using testing::textOf;

const std::string kHeader = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
// The shipped program is 1.1.3 and its runeword data 1.0.0.
const ServerVersions kNewerRunewords{{1, 1, 3}, {1, 0, 1}};

ScriptedReply answer(const std::string& body) {
    return {{kHeader + body}};
}

UpdateServer at(const LoopbackServer& server) {
    return {QStringLiteral("127.0.0.1"), server.port(), std::chrono::seconds(5)};
}

std::string runewordFile() {
    return readWholeFile("data/runewords.txt").bytes;
}

class UpdateFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
        testing::RecordingMessageSink messages;
        ASSERT_EQ(loadRuneData(state, messages), RuneDataLoadResult::Loaded);
        flow.setServer(testing::noUpdateServer());
        window.show();
    }

    QTemporaryDir userSettings;
    testing::RuntimeFolder runtime;
    ProgramState state;
    testing::RecordingDialogService dialogs;
    QDialog window;
    UpdateFlow flow{state, dialogs, window};
};

// A newer program is offered on every press, by its home page only; Cancel on newer runewords
// downloads nothing.
TEST_F(UpdateFlowTest, ANewerProgramOffersTheHomePageOnlyAndCancelDownloadsNothing) {
    flow.versionsFound({{2, 0, 0}, {9, 0, 0}});
    for (int press = 0; press < 2; ++press) flow.run();
    EXPECT_FALSE(flow.downloading());
    EXPECT_EQ(dialogs.titles, QStringList(2, QStringLiteral("Sockwright Update")));
    EXPECT_EQ(dialogs.links, QStringList(2, textOf(TextHomePage)));

    UpdateFlow runewordsOnly(state, dialogs, window);
    runewordsOnly.versionsFound(kNewerRunewords);
    dialogs.answer = testing::pressCancel;
    runewordsOnly.run();
    EXPECT_FALSE(runewordsOnly.downloading());
    EXPECT_EQ(dialogs.confirmations,
              (QStringList{textOf(TextNewProgramVersion), textOf(TextNewProgramVersion),
                           textOf(TextNewRunewords)}));
}

// Why it failed is for developers only: nothing is written to the error stream.
TEST_F(UpdateFlowTest, AFailedDownloadSaysSoOffersTheHomePageAndLoadsNothing) {
    const LoopbackServer server({{{"HTTP/1.0 404 Not Found\r\n\r\n<html>Not Found</html>\n"}}});
    flow.setServer(at(server));
    QSignalSpy reloaded(&flow, &UpdateFlow::runewordsReloaded);
    flow.versionsFound(kNewerRunewords);

    ::testing::internal::CaptureStderr();
    flow.run();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !flow.downloading(); }, 10000));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(dialogs.confirmations,
              (QStringList{textOf(TextNewRunewords), textOf(TextRunewordDownloadFailed)}));
    EXPECT_EQ(dialogs.links, QStringList{textOf(TextHomePage)});
    EXPECT_EQ(state.runeDataVersion, (VersionTriple{1, 0, 0}));
    EXPECT_EQ(reloaded.count(), 0);
}

// Each check sends the same id, made once in the user's settings; with checking switched off
// nothing is asked and no id is read or made.
TEST_F(UpdateFlowTest, TheIdIsKeptAcrossChecksAndNothingHappensWhenChecksAreOff) {
    std::vector<std::string> ids;
    for (int run = 0; run < 2; ++run) {
        const LoopbackServer server({answer("1.1.3"), answer("1.0.0")});
        flow.setServer(at(server));
        flow.startCheck();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !flow.check()->running(); }, 10000));
        for (const std::string& request : server.requests()) {
            const std::size_t hash = request.find('#');
            ids.push_back(request.substr(hash + 1, request.find(' ', hash) - hash - 1));
        }
    }
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_FALSE(ids[0].empty());
    EXPECT_EQ(std::count(ids.begin(), ids.end(), ids[0]), 4);

    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path() + "/off");
    state.settings.checkForUpdates = false;
    UpdateFlow quiet(state, dialogs, window);
    quiet.startCheck();
    EXPECT_EQ(quiet.check(), nullptr);
    EXPECT_FALSE(std::filesystem::exists((userSettings.path() + "/off").toStdString()));
}

// The window owns the flow: destroying it while a server holds the connection of the check or
// of a download ends them with it, and nothing reaches the window or the data afterwards.
TEST_F(UpdateFlowTest, DestroyingTheWindowDuringAnExchangeIsHarmless) {
    const std::string before = runewordFile();
    for (const bool download : {false, true}) {
        const LoopbackServer server({{{kHeader}, ScriptedReply::Ending::Hold}});
        auto owner = std::make_unique<QDialog>();
        auto* owned = new UpdateFlow(state, dialogs, *owner);
        owned->setServer(at(server));
        owned->versionsFound(kNewerRunewords);
        download ? owned->run() : owned->startCheck();
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1; }));
        QTest::qWait(20);
        owner.reset();
        QTest::qWait(50);
        EXPECT_EQ(server.connections(), 1);
    }
    EXPECT_EQ(dialogs.confirmations, QStringList{textOf(TextNewRunewords)});
    EXPECT_TRUE(runewordFile() == before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The main window's part: its Update button appears with the offer, its list is refilled from
// the data downloaded, and when the stored file cannot be loaded it ends at once without saving.
TEST(UpdateFlowInTheMainWindow, ShowsTheOfferRefillsTheListAndEndsWhenTheDataCannotLoad) {
    const QTemporaryDir userSettings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    const testing::RuntimeFolder runtime;
    // The shipped runeword file at version 1.0.1, with Steel renamed.
    std::string newFile = runewordFile();
    newFile.replace(0, newFile.find('\n'), "1.0.1");
    newFile.replace(newFile.find("\nSteel\n"), 7, "\nSteel II\n");
    const LoopbackServer server(
        {answer("1.1.3"), answer("1.0.1"), answer(newFile), answer(newFile)});
    testing::RecordingDialogService dialogs;
    MainWindow window(dialogs);
    window.setUpdateServer(at(server));
    ASSERT_TRUE(window.initialise());
    window.show();
    auto& update = testing::findControl<ImageButton>(window, "update");
    ASSERT_TRUE(QTest::qWaitFor([&] { return update.isVisible(); }, 10000));
    EXPECT_TRUE(update.isEnabled());
    ASSERT_TRUE(testing::listedNames(window).contains("Steel"));

    const auto pressUpdate = [&] {
        update.click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.updateFlow().downloading(); }, 10000));
    };
    pressUpdate();
    EXPECT_EQ(dialogs.confirmations,
              (QStringList{textOf(TextNewRunewords), textOf(TextRunewordsUpdated)}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const QStringList listed = testing::listedNames(window);
    EXPECT_TRUE(listed.contains("Steel II"));
    EXPECT_FALSE(listed.contains("Steel"));
    EXPECT_TRUE(window.isVisible()) << "new runewords that load leave the window open";

    // The offer stays: a second press downloads again, and the file goes missing while
    // "updated" is shown.
    dialogs.answers = {[](QDialog&) { return int(QDialog::Accepted); },
                       [](QDialog&) {
                           std::filesystem::remove("data/runewords.txt");
                           return int(QDialog::Accepted);
                       }};
    pressUpdate();
    EXPECT_EQ(server.connections(), 4);
    EXPECT_EQ(dialogs.confirmations.back(), textOf(TextRunewordReloadFailed));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(runtime.hasSettings());
}

}  // namespace
}  // namespace sockwright
