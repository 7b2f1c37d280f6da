// Ending the main window: OK, Enter and the close box save the settings, Escape does not.
#include <filesystem>


#include <gtest/gtest.h>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "WidgetInput.h"
#include "ui/MainWindow.h"
#include "ui/skin/ImageButton.h"

namespace sockwright {
namespace {

using testing::RecordingDialogService;
using testing::RuntimeFolder;
using testing::click;
using testing::pressKey;

class MainWindowClose : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.initialise());
        // A change made while the window runs, so that a save can be told from none.
        window.state().accounts.currentCharacterRecord().name = "CHANGED";
        window.show();
    }
    bool savedTheChange() const {
        return runtime.hasSettings() &&
               runtime.folder().read("data/settings.dat").find("CHANGED") != std::string::npos;
    }

    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window{dialogs};
};

TEST_F(MainWindowClose, OkSavesAndEnds) {
    click(window.okButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(savedTheChange());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowClose, EnterIsTheDefaultCommandOk) {
    pressKey(window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(savedTheChange());
}

TEST_F(MainWindowClose, CloseBoxSaves) {
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(savedTheChange());
}

TEST_F(MainWindowClose, EscapeEndsWithoutSaving) {
    pressKey(window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(runtime.hasSettings());
}

TEST_F(MainWindowClose, FailedSaveIsToldAndTheWindowStillCloses) {
    // A folder where the settings file should be cannot be replaced by a file.
    std::filesystem::create_directories("data/settings.dat/blocked");
    click(window.okButton(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("settings.dat")));
}

}  // namespace
}  // namespace sockwright
