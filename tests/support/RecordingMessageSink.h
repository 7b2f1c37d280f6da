#pragma once

#include <string>
#include <vector>

#include "model/MessageSink.h"

namespace sockwright::testing {

// Keeps every message it is given, in order.
class RecordingMessageSink : public MessageSink {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

}  // namespace sockwright::testing
