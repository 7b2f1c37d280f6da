#pragma once

#include <filesystem>

#include "model/SaveResult.h"

namespace sockwright {

// A file that a save could not write, and why.
struct SaveFailure {
    std::filesystem::path file;
    SaveResult result;
};

}  // namespace sockwright
