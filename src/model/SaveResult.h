#pragma once

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace sockwright {

// The outcome of writing a file: success, or why it failed, worded by the system for the user
// ("Permission denied"). Converts to true on success.
class [[nodiscard]] SaveResult {
  public:
    SaveResult() = default;

    // A failure of a system call, explained by its error number. A call that failed without
    // setting one counts as an input/output error, so a failure never reads as success.
    static SaveResult failure(int errorNumber) {
        if (errorNumber == 0) errorNumber = EIO;
        return failure(errorNumber, std::generic_category().message(errorNumber));
    }
    static SaveResult failure(int errorNumber, std::string reason) {
        SaveResult result;
        result.errorNumber_ = errorNumber == 0 ? EIO : errorNumber;
        result.reason_ = std::move(reason);
        return result;
    }

    bool ok() const { return errorNumber_ == 0; }
    explicit operator bool() const { return ok(); }
    // The errno value of the step that failed; 0 on success.
    int errorNumber() const { return errorNumber_; }
    // Empty on success.
    const std::string& reason() const { return reason_; }

  private:
    int errorNumber_ = 0;
    std::string reason_;
};

}  // namespace sockwright
