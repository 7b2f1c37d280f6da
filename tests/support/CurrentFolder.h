#pragma once

#include <filesystem>

namespace sockwright::testing {

// Makes a folder the current one for the life of the object.
struct CurrentFolder {
    explicit CurrentFolder(const std::filesystem::path& folder) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous); }
    const std::filesystem::path previous = std::filesystem::current_path();
};

}  // namespace sockwright::testing
