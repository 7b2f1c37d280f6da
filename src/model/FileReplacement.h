#pragma once

#include <filesystem>
#include <string_view>

namespace sockwright {

// Writes the bytes to a temporary file beside the target, syncs it and renames it over the
// target, so the target holds either its old contents or all of the new ones. False when any
// step fails; the target is then unchanged and no temporary file is left.
bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace sockwright
