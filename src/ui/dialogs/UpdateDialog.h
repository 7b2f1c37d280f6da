#pragma once

#include "ui/dialogs/ConfirmationDialog.h"

namespace sockwright {

// The box the update flow speaks through: a Confirmation dialog with room for longer messages.
// One object may be shown several times with a new message each time.
class UpdateDialog : public ConfirmationDialog {
    Q_OBJECT
  public:
    static constexpr QSize kMessageArea{235, 127};

    explicit UpdateDialog(QWidget* parent = nullptr);
};

}  // namespace sockwright
