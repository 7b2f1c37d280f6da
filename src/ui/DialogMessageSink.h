#pragma once

#include "model/MessageSink.h"

class QWidget;

namespace sockwright {

class DialogService;

// Shows the readers' messages as message boxes over a window.
class DialogMessageSink : public MessageSink {
  public:
    DialogMessageSink(DialogService& dialogs, QWidget* parent)
        : dialogs_(dialogs), parent_(parent) {}
    void showMessage(const std::string& text) override;

  private:
    DialogService& dialogs_;
    QWidget* parent_;
};

}  // namespace sockwright
