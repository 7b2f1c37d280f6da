#include "ui/dialogs/UpdateDialog.h"

namespace sockwright {

UpdateDialog::UpdateDialog(QWidget* parent) : ConfirmationDialog(kMessageArea, parent) {
    // Until the caller gives its caption.
    setWindowTitle(QStringLiteral("Update"));
}

}  // namespace sockwright
