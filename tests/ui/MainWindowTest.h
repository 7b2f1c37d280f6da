#pragma once

#include <gtest/gtest.h>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "Texts.h"
#include "support/FindControl.h"
#include "support/LoopbackServer.h"
#include "ui/MainWindow.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListModel.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/RuneToggleButton.h"
#include "update/UpdateServer.h"

namespace sockwright::testing {

// Where widget tests send the update check: a loopback port where nothing listens, so that no
// test ever asks a real server.
inline UpdateServer noUpdateServer() {
    static const ClosedPort port;
    return {QStringLiteral("127.0.0.1"), port.port(), std::chrono::seconds(30)};
}

inline QString textOf(int id) {
    return fromLocalBytes(text(id));
}

// The names of the runewords a window lists, top to bottom.
inline QStringList listedNames(const MainWindow& window) {
    const auto& model = *findControl<RunewordListBox>(window, "runewordList").model();
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row) names << model.index(row, 0).data().toString();
    return names;
}

// A main window started, not shown, in the current folder; every box it opens is answered by a
// recorder, and the font reminder (asked at the start) as given.
struct StartedWindow {
    explicit StartedWindow(bool remindAgain = true) {
        dialogs.answerYes = remindAgain;
        window.setUpdateServer(noUpdateServer());
        EXPECT_TRUE(window.initialise());
    }
    RecordingDialogService dialogs;
    MainWindow window{dialogs};
};

// A main window started and shown in a fresh runtime folder holding the shipped data and the
// build's pictures. Controls are found by name.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { window.show(); }

    ImageButton& button(const char* name) const { return findControl<ImageButton>(window, name); }
    LabelButton& label(const char* name) const { return findControl<LabelButton>(window, name); }
    DetailTextButton& detailsPanel() const {
        return findControl<DetailTextButton>(window, "properties");
    }
    // socket 1..6, top to bottom
    RuneToggleButton& runeSlot(int socket) const {
        return findControl<RuneToggleButton>(window, QStringLiteral("runeSlot%1").arg(socket));
    }
    RunewordListBox& list() const { return findControl<RunewordListBox>(window, "runewordList"); }
    RunewordListModel& model() const { return *qobject_cast<RunewordListModel*>(list().model()); }
    QString characterLine() const { return label("characterLine").text(); }

    RuntimeFolder runtime;
    StartedWindow started;
    RecordingDialogService& dialogs = started.dialogs;
    MainWindow& window = started.window;
};

}  // namespace sockwright::testing
