#pragma once

#include <stdexcept>
#include <string>

namespace sockwright::savefile {

// Why a save file cannot be read. Thrown inside the reader at the first thing that does not fit
// and caught where reading starts (SaveFileReader), so none leaves the library.
class SaveFileError : public std::runtime_error {
  public:
    explicit SaveFileError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace sockwright::savefile
