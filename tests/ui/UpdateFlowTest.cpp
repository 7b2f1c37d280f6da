// The update flow as a user meets it: the check at start-up, the Update button, the boxes it
// opens and what a download does to the list, against a scripted server on loopback.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "MainWindowTest.h"
#include "Texts.h"
#include "model/FileContents.h"
#include "support/LoopbackServer.h"
#include "ui/skin/LocalText.h"

namespace sockwright {
namespace {

using testing::listedNames;
using testing::LoopbackServer;
using testing::pressOk;
using testing::ScriptedReply;

ScriptedReply answer(const std::string& body) {
    return {{"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body}};
}

QString textOf(int id) {
    return fromLocalBytes(text(id));
}

std::string runewordFile() {
    return readWholeFile("data/runewords.txt").bytes;
}

class UpdateFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
    }

    // A window started against the server, once its update check has ended.
    std::unique_ptr<MainWindow> start(const LoopbackServer& server) {
        auto window = std::make_unique<MainWindow>(dialogs);
        window->setUpdateServer(
            {QStringLiteral("127.0.0.1"), server.port(), std::chrono::seconds(5)});
        EXPECT_TRUE(window->initialise());
        window->show();
        const UpdateCheck* check = window->updateCheck();
        for (int waited = 0; check != nullptr && check->running() && waited < 5000; waited += 10) {
            QTest::qWait(10);
        }
        return window;
    }
    static ImageButton& updateButton(const MainWindow& window) {
        return testing::findControl<ImageButton>(window, "update");
    }

    QTemporaryDir userSettings;
    testing::RuntimeFolder runtime;
    testing::RecordingDialogService dialogs;
};

// The shipped program is 1.1.3 and its runeword data 1.0.0.
TEST_F(UpdateFlowTest, TheButtonAppearsOnlyForSomethingNewer) {
    const struct {
        const char* program;
        const char* runewords;
        bool shown;
    } cases[] = {{"1.1.4", "1.0.0", true}, {"1.1.3", "1.0.1", true}, {"1.1.3", "1.0.0", false}};
    for (const auto& c : cases) {
        const LoopbackServer server({answer(c.program), answer(c.runewords)});
        const auto window = start(server);
        EXPECT_EQ(updateButton(*window).isVisible(), c.shown) << c.program << " " << c.runewords;
        EXPECT_EQ(updateButton(*window).isEnabled(), c.shown);
    }
}

TEST_F(UpdateFlowTest, ANewerProgramOffersTheHomePageOnlyAndAgainOnEveryPress) {
    const LoopbackServer server({answer("2.0.0"), answer("9.0.0")});
    const auto window = start(server);
    for (int press = 0; press < 2; ++press) updateButton(*window).click();
    EXPECT_EQ(dialogs.titles, QStringList(2, QStringLiteral("Sockwright Update")));
    EXPECT_EQ(dialogs.confirmations, QStringList(2, textOf(TextNewProgramVersion)));
    EXPECT_EQ(dialogs.links, QStringList(2, textOf(TextHomePage)));
    EXPECT_EQ(server.connections(), 2);  // nothing was downloaded
}

TEST_F(UpdateFlowTest, NewerRunewordsAreDownloadedStoredAndListedOnEveryPress) {
    // The new data renames a runeword the default character lists.
    std::string newFile = runewordFile();
    newFile.replace(0, newFile.find('\n'), "1.0.1");
    newFile.replace(newFile.find("\nSteel\n"), 7, "\nSteel II\n");
    const LoopbackServer server(
        {answer("1.1.3"), answer("1.0.1"), answer(newFile), answer(newFile)});
    const auto window = start(server);
    ASSERT_TRUE(listedNames(*window).contains("Steel"));

    dialogs.answer = pressOk;
    updateButton(*window).click();
    EXPECT_EQ(dialogs.confirmations,
              (QStringList{textOf(TextNewRunewords), textOf(TextRunewordsUpdated)}));
    EXPECT_TRUE(runewordFile() == newFile);
    EXPECT_EQ(window->state().runeDataVersion, (VersionTriple{1, 0, 1}));
    const QStringList listed = listedNames(*window);
    EXPECT_TRUE(listed.contains("Steel II"));
    EXPECT_FALSE(listed.contains("Steel"));
    EXPECT_TRUE(dialogs.links.isEmpty());

    // The offer stays: a second press downloads again.
    updateButton(*window).click();
    EXPECT_EQ(server.connections(), 4);
    EXPECT_EQ(dialogs.confirmations.size(), 4);
}

TEST_F(UpdateFlowTest, AFailedDownloadSaysSoOffersTheHomePageAndKeepsTheFile) {
    const std::string before = runewordFile();
    const LoopbackServer server({answer("1.1.3"),
                                 answer("1.0.1"),
                                 {{"HTTP/1.0 404 Not Found\r\n\r\n<html>Not Found</html>\n"}}});
    const auto window = start(server);
    const QStringList listedBefore = listedNames(*window);

    dialogs.answer = pressOk;
    ::testing::internal::CaptureStderr();
    updateButton(*window).click();
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(dialogs.confirmations,
              (QStringList{textOf(TextNewRunewords), textOf(TextRunewordDownloadFailed)}));
    EXPECT_EQ(dialogs.links, QStringList{textOf(TextHomePage)});
    EXPECT_TRUE(runewordFile() == before);
    EXPECT_EQ(listedNames(*window), listedBefore);
    EXPECT_EQ(window->state().runeDataVersion, (VersionTriple{1, 0, 0}));
}

// The window owns the check: closing it while a server holds the connection ends the check with
// it, and nothing reaches the window afterwards.
TEST_F(UpdateFlowTest, ClosingTheWindowDuringTheCheckIsHarmless) {
    const LoopbackServer server({{{}, ScriptedReply::Ending::Hold}});
    auto window = std::make_unique<MainWindow>(dialogs);
    window->setUpdateServer({QStringLiteral("127.0.0.1"), server.port(), std::chrono::seconds(5)});
    ASSERT_TRUE(window->initialise());
    for (int waited = 0; server.connections() == 0 && waited < 5000; waited += 10) QTest::qWait(10);
    ASSERT_TRUE(window->updateCheck()->running());
    window.reset();
    QTest::qWait(50);
    EXPECT_EQ(server.connections(), 1);
}

TEST_F(UpdateFlowTest, CancelDownloadsNothing) {
    const LoopbackServer server({answer("1.1.3"), answer("1.0.1"), answer("unused")});
    const auto window = start(server);
    dialogs.answer = testing::pressCancel;
    updateButton(*window).click();
    EXPECT_EQ(dialogs.confirmations, QStringList{textOf(TextNewRunewords)});
    EXPECT_EQ(server.connections(), 2);
}

// Each start sends the same id, made once in the user's settings; with checking switched off
// nothing is asked and no id is read or made.
TEST_F(UpdateFlowTest, TheIdIsKeptAcrossStartsAndNothingHappensWhenChecksAreOff) {
    std::vector<std::string> ids;
    for (int run = 0; run < 2; ++run) {
        const LoopbackServer server({answer("1.1.3"), answer("1.0.0")});
        start(server);
        for (const std::string& request : server.requests()) {
            const std::size_t hash = request.find('#');
            ids.push_back(request.substr(hash + 1, request.find(' ', hash) - hash - 1));
        }
    }
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^[0-9A-F]{8}_[0-9A-F]{4}_[0-9a-f]{4}_[0-9A-F]{4}_[0-9A-F]{12}$"))
            .match(QString::fromStdString(ids[0]))
            .hasMatch())
        << ids[0];
    EXPECT_EQ(std::count(ids.begin(), ids.end(), ids[0]), 4);

    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path() + "/off");
    std::ofstream("data/settings.dat") << "1.1.3\n0\n0\n";
    const LoopbackServer server({answer("9.9.9"), answer("9.9.9")});
    const auto window = start(server);
    QTest::qWait(100);
    EXPECT_EQ(window->updateCheck(), nullptr);
    EXPECT_EQ(server.connections(), 0);
    EXPECT_FALSE(std::filesystem::exists((userSettings.path() + "/off").toStdString()));
}

}  // namespace
}  // namespace sockwright
