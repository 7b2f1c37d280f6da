#pragma once

#include <gtest/gtest.h>

#include "NoUpdateServer.h"
#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "support/FindControl.h"
#include "ui/MainWindow.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListModel.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/RuneToggleButton.h"

namespace sockwright::testing {

// The names of the runewords a window lists, top to bottom.
inline QStringList listedNames(const MainWindow& window) {
    const auto& model = *findControl<RunewordListBox>(window, "runewordList").model();
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row) names << model.index(row, 0).data().toString();
    return names;
}

// A main window started and shown in a fresh runtime folder holding the shipped data and the
// build's pictures; every box it opens is answered by a recorder. Controls are found by name.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.setUpdateServer(noUpdateServer());
        ASSERT_TRUE(window.initialise());
        window.show();
    }

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

    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window{dialogs};
};

}  // namespace sockwright::testing
