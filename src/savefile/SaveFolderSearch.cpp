#include "savefile/SaveFolderSearch.h"

#include <algorithm>
#include <vector>

namespace sockwright::savefile {
namespace {

namespace fs = std::filesystem;

// The folders inside a folder, by name; none when it cannot be read.
std::vector<fs::path> subfolders(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_directory(ignored)) found.push_back(entry->path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::optional<fs::path> searchPrefix(const fs::path& prefix) {
    for (const fs::path& user : subfolders(prefix / "drive_c" / "users")) {
        const fs::path folder = user / "Saved Games" / "Diablo II Resurrected";
        std::error_code ignored;
        if (fs::is_directory(folder, ignored)) return folder;
    }
    return std::nullopt;
}

std::vector<fs::path> prefixes(const fs::path& home, const fs::path& winePrefix) {
    std::vector<fs::path> all;
    if (!winePrefix.empty()) all.push_back(winePrefix);
    all.push_back(home / ".wine");
    for (const fs::path& game : subfolders(home / "Games")) all.push_back(game);
    for (const fs::path& steam :
         {home / ".steam" / "steam", home / ".local" / "share" / "Steam",
          home / ".var" / "app" / "com.valvesoftware.Steam" / ".local" / "share" / "Steam"}) {
        for (const fs::path& app : subfolders(steam / "steamapps" / "compatdata")) {
            all.push_back(app / "pfx");
        }
    }
    return all;
}

}  // namespace

std::optional<std::filesystem::path> findSaveFolder(const std::filesystem::path& home,
                                                    const std::filesystem::path& winePrefix) {
    for (const fs::path& prefix : prefixes(home, winePrefix)) {
        if (auto folder = searchPrefix(prefix)) return folder;
    }
    return std::nullopt;
}

}  // namespace sockwright::savefile
