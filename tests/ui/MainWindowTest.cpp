// The program's run: start-up with sound and broken data, the font reminder, the boxes and links
// the main window opens, and which ways of closing it save the settings.
#include "MainWindowTest.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "Texts.h"
#include "WidgetInput.h"
#include "ui/ProgramStart.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListModel.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AboutTextDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

using testing::click;
using testing::findControl;
using testing::MainWindowTest;
using testing::pressKey;
using testing::RecordingDialogService;
using testing::RuntimeFolder;

QString textOf(int id) {
    return QString::fromLatin1(text(id).data(), static_cast<qsizetype>(text(id).size()));
}

TEST_F(MainWindowTest, ShippedDataListsEveryRunewordForTheDefaultCharacter) {
    EXPECT_EQ(model().rowCount(), 99);
    EXPECT_EQ(list().selectedRow(), -1);
    EXPECT_EQ(label("characterLine").text(), QStringLiteral("CHARACTER: USEast: DEFAULT: DEFAULT"));
}

// Every caption's mnemonic clicks its button and no other, and each command reaches the dialog
// service; Update is hidden and disabled at the start, so Alt+U belongs to Up alone. Names,
// realms and property lines holding '&' take no mnemonic away.
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
    EXPECT_EQ(label("characterLine").text(), "CHARACTER: Rock&Roll: Rock&Roll: Rock&Roll");

    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        Qt::Key key;
        const char* button;
    } mnemonics[] = {{Qt::Key_L, "logo"},        {Qt::Key_T, "title"},
                     {Qt::Key_A, "about"},       {Qt::Key_U, "up"},
                     {Qt::Key_D, "down"},        {Qt::Key_E, "selectEquipment"},
                     {Qt::Key_R, "selectRunes"}, {Qt::Key_C, "selectCharacter"},
                     {Qt::Key_P, "plan"}};
    const auto buttons = window.findChildren<ImageButton*>();
    for (const auto& mnemonic : mnemonics) {
        SCOPED_TRACE(mnemonic.button);
        std::vector<std::unique_ptr<QSignalSpy>> clicks;
        for (ImageButton* other : buttons) {
            clicks.push_back(std::make_unique<QSignalSpy>(other, &QAbstractButton::clicked));
        }
        QTest::keyClick(&window, mnemonic.key, Qt::AltModifier);
        // A mnemonic presses its button visibly first: the click comes a moment later.
        QSignalSpy target(&findControl<ImageButton>(window, mnemonic.button),
                          &QAbstractButton::clicked);
        EXPECT_TRUE(target.wait(1000));
        for (qsizetype index = 0; index < buttons.size(); ++index) {
            const bool pressed = buttons[index]->objectName() == mnemonic.button;
            EXPECT_EQ(clicks[static_cast<std::size_t>(index)]->count(), pressed ? 1 : 0)
                << buttons[index]->objectName().toStdString();
        }
    }
    EXPECT_EQ(dialogs.dialogs,
              (std::vector<std::string>{
                  "sockwright::AboutTextDialog", "sockwright::SelectEquipmentDialog",
                  "sockwright::SelectRunesDialog", "sockwright::SelectCharacterDialog",
                  "sockwright::RunePlannerDialog"}));
    findControl<QAction>(window, "aboutMenuEntry").trigger();
    EXPECT_EQ(dialogs.dialogs.back(), "sockwright::AboutDialog");
    click(label("contactLine"));
    EXPECT_EQ(dialogs.links,
              (QStringList{textOf(TextGamePage), textOf(TextHomePage), textOf(TextContactLink)}));
    EXPECT_TRUE(window.isVisible()) << "none of these ends the window";
}

TEST(ProgramStart, BrokenDataEndsTheProgramBeforeTheWindowButMissingPicturesDoNot) {
    const struct {
        const char* what;
        std::function<void()> spoil;  // runs in the runtime folder
        int status;
        QString firstMessage;
    } starts[] = {
        {"shipped data", [] {}, 0, {}},
        {"no pictures", [] { std::filesystem::remove_all("bmp"); }, 0,
         QStringLiteral("Failed to load all El images")},
        {"no rune file", [] { std::filesystem::remove("data/runes.txt"); }, kDataErrorExitStatus,
         QStringLiteral("Failed to open rune data file")},
        {"corrupt runeword file",
         [] {
             std::ofstream("data/runewords.txt") << "1.0.0\nSteel\n0x00000200\n13 9\n+20% IAS\n\n"
                                                    "Broken\nnot a mask\n1\n\n";
         },
         kDataErrorExitStatus, QStringLiteral("Corrupt Runeword file")},
    };
    for (const auto& start : starts) {
        SCOPED_TRACE(start.what);
        RuntimeFolder runtime;
        start.spoil();
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
        RecordingDialogService dialogs;
        dialogs.answerYes = answerYes;
        MainWindow window(dialogs);
        window.setUpdateServer(testing::noUpdateServer());
        EXPECT_TRUE(window.initialise());
        window.accept();
        return dialogs.questions.size() == 1;
    };
    EXPECT_TRUE(remindedAtStart(true));
    EXPECT_TRUE(remindedAtStart(false));
    EXPECT_FALSE(remindedAtStart(true));
}

TEST(AboutBoxes, TextsAreShownWholeAndOkClosesThem) {
    AboutTextDialog thanksBox;
    const QString thanks = thanksBox.textLabel().text();
    EXPECT_EQ(thanks, textOf(TextThanks));
    const QRect area = thanksBox.textLabel().geometry();
    const QRect needed = QFontMetrics(skinFont(thanksBox.textLabel().pointSize()))
                             .boundingRect(QRect(), Qt::AlignTop | Qt::AlignHCenter, thanks);
    EXPECT_LE(needed.width(), area.width());
    EXPECT_LE(needed.height(), area.height());
    EXPECT_GT(thanksBox.okButton().geometry().top(), area.bottom());
    EXPECT_LE(thanksBox.okButton().geometry().bottom(), thanksBox.height());
    thanksBox.show();
    click(thanksBox.okButton());
    EXPECT_FALSE(thanksBox.isVisible());
    thanksBox.show();
    pressKey(thanksBox, Qt::Key_Return);
    EXPECT_FALSE(thanksBox.isVisible()) << "Enter is OK";

    AboutDialog versionBox;
    for (const QLabel* label : versionBox.findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << "cut: " << label->text().toStdString();
    }
    versionBox.show();
    pressKey(versionBox, Qt::Key_Return);  // the default button, OK
    EXPECT_FALSE(versionBox.isVisible());
}

TEST(MainWindowClose, OkEnterAndTheCloseBoxSaveAndEscapeDoesNot) {
    const struct {
        const char* what;
        std::function<void(MainWindow&)> end;
        bool saves;
        bool settingsBlocked = false;
    } endings[] = {
        {"OK", [](MainWindow& window) { click(findControl<ImageButton>(window, "ok")); }, true},
        {"Enter", [](MainWindow& window) { pressKey(window, Qt::Key_Return); }, true},
        {"close box", [](MainWindow& window) { window.close(); }, true},
        {"Escape", [](MainWindow& window) { pressKey(window, Qt::Key_Escape); }, false},
        // A folder where the settings file should be cannot be replaced by a file: the user is
        // told, and the window closes all the same.
        {"OK, failing to save",
         [](MainWindow& window) { click(findControl<ImageButton>(window, "ok")); }, false, true},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.what);
        RuntimeFolder runtime;
        if (ending.settingsBlocked) std::filesystem::create_directories("data/settings.dat/x");
        RecordingDialogService dialogs;
        MainWindow window(dialogs);
        window.setUpdateServer(testing::noUpdateServer());
        ASSERT_TRUE(window.initialise());
        // A change made while the window runs, so that a save can be told from none.
        window.state().accounts.currentCharacterRecord().name = "CHANGED";
        window.show();

        ending.end(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(runtime.settingsText().find("CHANGED") != std::string::npos, ending.saves);
        EXPECT_EQ(dialogs.messages.filter(QStringLiteral("settings.dat")).size(),
                  ending.settingsBlocked ? 1 : 0);
        if (ending.settingsBlocked) {
            // The user reads why: the blocked file is a folder.
            EXPECT_TRUE(dialogs.messages.value(0).contains("could not be saved"));
            EXPECT_TRUE(dialogs.messages.value(0).contains("Is a directory"));
        }
    }
}

}  // namespace
}  // namespace sockwright
