#pragma once

#include <string>
#include <vector>

namespace sockwright {

// The game's realm names, in file order.
using RealmList = std::vector<std::string>;

}  // namespace sockwright
