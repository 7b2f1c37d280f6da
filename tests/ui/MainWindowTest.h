#pragma once

#include <gtest/gtest.h>

#include "RecordingDialogService.h"
#include "RuntimeFolder.h"
#include "ui/MainWindow.h"

namespace sockwright::testing {

// A main window started and shown in a fresh runtime folder holding the shipped data and the
// build's pictures; every box it opens is answered by a recorder.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.initialise());
        window.show();
    }

    RuntimeFolder runtime;
    RecordingDialogService dialogs;
    MainWindow window{dialogs};
};

}  // namespace sockwright::testing
