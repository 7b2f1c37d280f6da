#include "ui/DialogMessageSink.h"

#include <QString>

#include "ui/DialogService.h"

namespace sockwright {

void DialogMessageSink::showMessage(const std::string& text) {
    dialogs_.showMessage(parent_,
                         QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace sockwright
