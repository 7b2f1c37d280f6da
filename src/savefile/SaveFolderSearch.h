#pragma once

#include <filesystem>
#include <optional>

namespace sockwright::savefile {

// The folder where the game keeps its characters and shared stashes, under a Windows
// compatibility prefix. Looked at in this order, each prefix's users in name order, for
// "drive_c/users/<user>/Saved Games/Diablo II Resurrected":
//   winePrefix                               ($WINEPREFIX, when set: the prefix the user chose)
//   ~/.wine                                  (plain Wine)
//   ~/Games/<game>                           (Lutris)
//   <Steam>/steamapps/compatdata/<app>/pfx   (Proton; Steam in ~/.steam/steam,
//                                             ~/.local/share/Steam or its Flatpak's home)
// The first that exists is the one; none when the game was never run here.
// An empty winePrefix stands for the variable not being set.
std::optional<std::filesystem::path> findSaveFolder(const std::filesystem::path& home,
                                                    const std::filesystem::path& winePrefix);

}  // namespace sockwright::savefile
