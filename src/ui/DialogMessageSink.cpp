#include "ui/DialogMessageSink.h"

#include <QString>

#include "ui/DialogService.h"
#include "ui/skin/LocalText.h"

namespace sockwright {

void DialogMessageSink::showMessage(const std::string& text) {
    dialogs_.showMessage(parent_, fromLocalBytes(text));
}

}  // namespace sockwright
