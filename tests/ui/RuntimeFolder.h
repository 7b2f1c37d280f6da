#pragma once

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace sockwright::testing {

// A temporary runtime folder, made the current folder while it lives: data/ holds the shipped
// data files, bmp/ and char/ the pictures of the build.
class RuntimeFolder {
  public:
    RuntimeFolder() : previous_(std::filesystem::current_path()) {
        namespace fs = std::filesystem;
        fs::create_directories(folder_.path() / "data");
        for (const char* name : {"runes.txt", "runewords.txt", "realms.txt"}) {
            fs::copy_file(fs::path(SOCKWRIGHT_SHIPPED_DATA) / name, folder_.path() / "data" / name);
        }
        for (const char* name : {"bmp", "char"}) {
            const fs::path source = fs::path(SOCKWRIGHT_BUILD_RUNTIME) / name;
            if (fs::exists(source))
                fs::copy(source, folder_.path() / name, fs::copy_options::recursive);
        }
        fs::current_path(folder_.path());
    }
    ~RuntimeFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }

    bool hasSettings() const { return folder_.exists("data/settings.dat"); }
    // What the settings file holds; empty when there is no such file.
    std::string settingsText() const {
        return std::filesystem::is_regular_file(folder_.path() / "data/settings.dat")
                   ? folder_.read("data/settings.dat")
                   : std::string();
    }

  private:
    std::filesystem::path previous_;
    TempFolder folder_;  // removed after the current folder has been restored
};

}  // namespace sockwright::testing
