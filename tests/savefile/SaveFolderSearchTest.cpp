#include <gtest/gtest.h>

#include "savefile/SaveFolderSearch.h"
#include "support/TempFolder.h"

namespace sockwright::savefile {
namespace {

TEST(SaveFolderSearch, FindsTheFirstPrefixHoldingTheGamesFolder) {
    const testing::TempFolder home;
    const auto saves = [&](const std::string& prefix, const std::string& user) {
        const auto folder =
            home.path() / prefix / "drive_c/users" / user / "Saved Games/Diablo II Resurrected";
        std::filesystem::create_directories(folder);
        return folder;
    };
    EXPECT_EQ(findSaveFolder(home.path(), {}), std::nullopt);

    // A Wine prefix without the game is passed over; Proton comes after Lutris.
    std::filesystem::create_directories(home.path() / ".wine/drive_c/users/ana/Saved Games");
    const auto proton = saves(".local/share/Steam/steamapps/compatdata/4242/pfx", "steamuser");
    EXPECT_EQ(findSaveFolder(home.path(), {}), proton);
    const auto lutris = saves("Games/battlenet", "ana");
    EXPECT_EQ(findSaveFolder(home.path(), {}), lutris);
    const auto wine = saves(".wine", "ana");
    EXPECT_EQ(findSaveFolder(home.path(), {}), wine);

    // The prefix $WINEPREFIX names comes first; one without the game is passed over.
    EXPECT_EQ(findSaveFolder(home.path(), home.path() / "elsewhere"), wine);
    const auto chosen = saves("elsewhere", "ana");
    EXPECT_EQ(findSaveFolder(home.path(), home.path() / "elsewhere"), chosen);
}

}  // namespace
}  // namespace sockwright::savefile
