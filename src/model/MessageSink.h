#pragma once

#include <string>

namespace sockwright {

// Where the readers send what the user must be told. The program shows each message in a
// message box with an OK button; tests record them.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace sockwright
