// The program's run: start-up with broken data, the font reminder, the boxes and links the main
// window opens, and which ways of closing it save the settings that the next start reads.
#include "MainWindowTest.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <functional>

#include "model/CharacterRunes.h"
#include "ui/ProgramStart.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

using testing::findControl;
using testing::MainWindowTest;
using testing::RecordingDialogService;
using testing::RuntimeFolder;
using testing::StartedWindow;
using testing::textOf;

// Every caption's mnemonic clicks its button, and each command reaches the dialog service once;
// Update is hidden and disabled at the start, so Alt+U belongs to Up alone. Names, realms and
// property lines holding '&' take no mnemonic away.
TEST_F(MainWindowTest, EveryMnemonicPressesItsOwnButtonAndBoxesAndLinksGoThroughTheService) {
    Account& account = *window.state().accounts.currentAccount();
    account.name = account.realm = window.state().accounts.currentCharacterRecord().name =
        "Rock&Roll";
    auto runewords = std::make_shared<RunewordList>(*window.state().runewords);
    runewords->front().properties = "Fire &Resist +30%\n";
    window.state().runewords = runewords;
    window.refreshRunewordList();
    window.updateCharacterLine();
    list().selectRow(0);
    window.showSelectedRuneword();
    EXPECT_EQ(characterLine(), "CHARACTER: Rock&Roll: Rock&Roll: Rock&Roll");

    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::pair<Qt::Key, const char*> mnemonics[] = {{Qt::Key_L, "logo"},
                                                         {Qt::Key_T, "title"},
                                                         {Qt::Key_A, "about"},
                                                         {Qt::Key_D, "down"},
                                                         {Qt::Key_U, "up"},
                                                         {Qt::Key_D, "down"},
                                                         {Qt::Key_E, "selectEquipment"},
                                                         {Qt::Key_R, "selectRunes"},
                                                         {Qt::Key_C, "selectCharacter"},
                                                         {Qt::Key_P, "plan"}};
    std::vector<int> rows;  // selected after Up and Down
    for (const auto& [key, name] : mnemonics) {
        // A mnemonic presses its button visibly first: the click comes a moment later.
        QSignalSpy clicked(&button(name), &QAbstractButton::clicked);
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_TRUE(clicked.wait(1000)) << name;
        if (key == Qt::Key_U || key == Qt::Key_D) rows.push_back(list().selectedRow());
    }
    EXPECT_EQ(rows, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(dialogs.dialogs,
              (std::vector<std::string>{
                  "sockwright::AboutTextDialog", "sockwright::SelectEquipmentDialog",
                  "sockwright::SelectRunesDialog", "sockwright::SelectCharacterDialog",
                  "sockwright::RunePlannerDialog"}));
    findControl<QAction>(window, "aboutMenuEntry").trigger();
    EXPECT_EQ(dialogs.dialogs.back(), "sockwright::AboutDialog");
    QTest::mouseClick(&label("contactLine"), Qt::LeftButton);
    EXPECT_EQ(dialogs.links,
              (QStringList{textOf(TextGamePage), textOf(TextHomePage), textOf(TextContactLink)}));
    EXPECT_TRUE(window.isVisible()) << "none of these ends the window";
}

TEST(ProgramStart, BrokenDataEndsTheProgramBeforeTheWindowButMissingPicturesDoNot) {
    const struct {
        const char* spoiled;  // removed from the runtime folder
        int status;
        QString firstMessage;
    } starts[] = {
        {"", 0, {}},
        {"bmp", 0, QStringLiteral("Failed to load all El images")},
        {"data/runes.txt", kDataErrorExitStatus, textOf(TextCannotOpenRuneData)},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.spoiled);
        RuntimeFolder runtime;
        if (*start.spoiled) std::filesystem::remove_all(start.spoiled);
        RecordingDialogService dialogs;

        EXPECT_EQ(startProgram(dialogs), start.status);
        EXPECT_EQ(dialogs.messages.value(0), start.firstMessage);
        if (start.status == 0) {
            EXPECT_EQ(dialogs.dialogs, std::vector<std::string>{"sockwright::MainWindow"});
        } else {
            EXPECT_EQ(dialogs.messages.size(), 1);
            EXPECT_TRUE(dialogs.dialogs.empty()) << "the main window must not run";
            EXPECT_TRUE(dialogs.questions.isEmpty()) << "no font reminder after a data failure";
        }
        EXPECT_FALSE(runtime.hasSettings());
    }
}

TEST(FontReminder, NoIsRememberedAfterARestartAndYesAsksAgain) {
    if (skinFontInstalled()) GTEST_SKIP() << "the Exocet face is installed here";
    RuntimeFolder runtime;
    // Starts the program, answers the reminder if it comes, and ends with OK.
    const auto remindedAtStart = [](bool answerYes) {
        StartedWindow started(answerYes);
        started.window.accept();
        return started.dialogs.questions.size() == 1;
    };
    EXPECT_TRUE(remindedAtStart(true));
    EXPECT_TRUE(remindedAtStart(false));
    EXPECT_FALSE(remindedAtStart(true));
}

// A new current account with Ber and Jah under ALL is what the next start shows, or not.
TEST(MainWindowClose, OkEnterAndTheCloseBoxSaveWhatTheNextStartShowsAndEscapeDoesNot) {
    const struct {
        const char* what;
        std::function<void(MainWindow&)> end;
        bool saves;
        bool settingsBlocked = false;
    } endings[] = {
        {"OK", [](MainWindow& window) { findControl<ImageButton>(window, "ok").click(); }, true},
        {"Enter", [](MainWindow& window) { QTest::keyClick(&window, Qt::Key_Return); }, true},
        {"close box", [](MainWindow& window) { window.close(); }, true},
        {"Escape", [](MainWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); }, false},
        // A folder where the settings file should be cannot be replaced by a file: the user is
        // told, and the window closes all the same.
        {"OK, failing to save",
         [](MainWindow& window) { findControl<ImageButton>(window, "ok").click(); }, false, true},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.what);
        RuntimeFolder runtime;
        if (ending.settingsBlocked) std::filesystem::create_directories("data/settings.dat/x");
        {
            StartedWindow started;
            AccountList& accounts = started.window.state().accounts;
            Account* zed = accounts.addAccount("ZED", "Europe", "BETA", 50, 1, 1);
            zed->characters[0].runes = RuneSet{};
            for (int rune : {30, 31}) zed->characters[0].runes.add(rune);
            zed->characters[0].runeLogic = RuneLogic::All;
            setRuneCount(zed->characters[0], 30, 4);
            accounts.setCurrent(zed, 0);
            started.window.show();

            ending.end(started.window);
            EXPECT_FALSE(started.window.isVisible());
            const QStringList messages = started.dialogs.messages;
            EXPECT_EQ(messages.filter(QStringLiteral("settings.dat")).size(),
                      ending.settingsBlocked ? 1 : 0);
            if (ending.settingsBlocked) {
                // The user reads why: the blocked file is a folder.
                EXPECT_TRUE(messages.value(0).contains("could not be saved"));
                EXPECT_TRUE(messages.value(0).contains("Is a directory"));
            }
        }
        StartedWindow again;
        EXPECT_EQ(findControl<LabelButton>(again.window, "characterLine").text() ==
                      "CHARACTER: Europe: ZED: BETA",
                  ending.saves);
        if (ending.saves) {
            EXPECT_EQ(testing::listedNames(again.window),
                      (QStringList{"Destruction", "Enigma", "Last Wish"}));
            EXPECT_EQ(again.window.state().accounts.currentCharacterRecord().runeCounts.count(30),
                      4);
        }
    }
}

}  // namespace
}  // namespace sockwright
