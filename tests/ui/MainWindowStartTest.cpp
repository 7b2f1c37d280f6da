// Start-up of the program in a runtime folder: data, pictures, the font reminder and failures.
#include <QAction>
#include <QString>

#include <gtest/gtest.h>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "Texts.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowLayout.h"
#include "ui/ProgramStart.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListModel.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinFont.h"

namespace sockwright {
namespace {

using testing::RecordingDialogService;
using testing::RuntimeFolder;

QString textOf(int id) { return QString::fromLatin1(text(id).data(), static_cast<qsizetype>(text(id).size())); }

TEST(MainWindowStart, ShippedDataListsEveryRunewordForTheDefaultCharacter) {
    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window(dialogs);
    ASSERT_TRUE(window.initialise());

    EXPECT_EQ(window.runewordModel().rowCount(), 99);
    EXPECT_EQ(window.runewordList().selectedRow(), -1);
    EXPECT_EQ(window.characterLine().text(), QStringLiteral("CHARACTER: USEast: DEFAULT: DEFAULT"));
    EXPECT_TRUE(window.levelBadge().text().isEmpty());
    // The build's pictures are all there, so the only box is the font reminder (Exocet is not
    // installed on the machines that run these tests).
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(QStringLiteral(" | ")).toStdString();
    EXPECT_NE(window.images().runes.highlightedOf(33), nullptr);
    EXPECT_FALSE(runtime.hasSettings());
}

TEST(MainWindowStart, WindowIsFixedWithUpdateHiddenAndAboutInTheWindowMenu) {
    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window(dialogs);
    ASSERT_TRUE(window.initialise());

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Brannoch's Sockwright"));
    EXPECT_EQ(window.size(), QSize(layout::kClientWidth, layout::kClientHeight));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.okButton().image().size(), window.okButton().size()) << "EXIT face";
    EXPECT_TRUE(window.updateButton().isHidden());
    EXPECT_FALSE(window.updateButton().isEnabled());
    EXPECT_TRUE(window.contactLine().text().endsWith(
        QString::fromLatin1(contactAddress().data(), static_cast<qsizetype>(contactAddress().size()))));
    ASSERT_NE(window.aboutMenuEntry(), nullptr);
    EXPECT_EQ(window.aboutMenuEntry()->text(), textOf(TextAboutMenuEntry));
}

TEST(MainWindowStart, MissingRuneFileEndsTheProgramWithAFailureAndSavesNothing) {
    RuntimeFolder runtime;
    std::filesystem::remove("data/runes.txt");
    RecordingDialogService dialogs;

    EXPECT_NE(startProgram(dialogs), 0);
    EXPECT_EQ(startProgram(dialogs), kDataErrorExitStatus);

    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.first(), QStringLiteral("Failed to open rune data file"));
    EXPECT_TRUE(dialogs.dialogs.empty()) << "the main window must not run";
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "no font reminder after a data failure";
    EXPECT_FALSE(runtime.hasSettings());
}

TEST(MainWindowStart, CorruptRunewordFileEndsTheProgramWithAFailure) {
    RuntimeFolder runtime;
    runtime.folder().write("data/runewords.txt",
                           "1.0.0\nSteel\n0x00000200\n13 9\n+20% Attack Speed\n\n"
                           "Broken\nnot a mask\n1\n\n");
    RecordingDialogService dialogs;

    EXPECT_EQ(startProgram(dialogs), kDataErrorExitStatus);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Corrupt Runeword file")});
    EXPECT_TRUE(dialogs.dialogs.empty());
    EXPECT_FALSE(runtime.hasSettings());
}

TEST(MainWindowStart, SoundDataRunsTheMainWindowThroughTheDialogService) {
    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    EXPECT_EQ(startProgram(dialogs), 0);
    ASSERT_EQ(dialogs.dialogs.size(), 1u);
    EXPECT_EQ(dialogs.dialogs.front(), "sockwright::MainWindow");
}

TEST(MainWindowStart, MissingPicturesAreReportedAndStartUpGoesOn) {
    RuntimeFolder runtime(RuntimeFolder::WithoutPictures);
    RecordingDialogService dialogs;
    MainWindow window(dialogs);
    ASSERT_TRUE(window.initialise());
    EXPECT_TRUE(dialogs.messages.contains(QStringLiteral("Failed to load all El images")));
    EXPECT_TRUE(dialogs.messages.contains(QStringLiteral("Failed to load AMAZON image")));
    EXPECT_EQ(window.runewordModel().rowCount(), 99);
}

class FontReminder : public ::testing::Test {
protected:
    void SetUp() override {
        if (skinFontInstalled()) GTEST_SKIP() << "the Exocet face is installed here";
    }
    // Starts the program, answers the reminder, closes with OK; the questions asked.
    QStringList startAndCloseWithOk(bool answerYes) {
        RecordingDialogService dialogs;
        dialogs.answerYes = answerYes;
        MainWindow window(dialogs);
        EXPECT_TRUE(window.initialise());
        window.accept();
        return dialogs.questions;
    }
    RuntimeFolder runtime;
};

TEST_F(FontReminder, NoIsRememberedAfterARestart) {
    const QStringList first = startAndCloseWithOk(false);
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first.front(), textOf(TextMissingFontQuestion));
    EXPECT_TRUE(startAndCloseWithOk(true).isEmpty());
}

TEST_F(FontReminder, YesAsksAgainAtTheNextStart) {
    EXPECT_EQ(startAndCloseWithOk(true).size(), 1);
    EXPECT_EQ(startAndCloseWithOk(true).size(), 1);
}

}  // namespace
}  // namespace sockwright
