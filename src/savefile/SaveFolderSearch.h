#pragma once

#include <filesystem>
#include <optional>

namespace sockwright::savefile {

// The folder where the game keeps its characters and shared stashes, under a Windows
// compatibility prefix in the user's home. Looked at in this order, each prefix's users in name
// order, for "drive_c/users/<user>/Saved Games/Diablo II Resurrected":
//   ~/.wine                                  (plain Wine)
//   ~/Games/<game>                           (Lutris)
//   <Steam>/steamapps/compatdata/<app>/pfx   (Proton; Steam in ~/.steam/steam,
//                                             ~/.local/share/Steam or its Flatpak's home)
// The first that exists is the one; none when the game was never run here.
std::optional<std::filesystem::path> findSaveFolder(const std::filesystem::path& home);

}  // namespace sockwright::savefile
