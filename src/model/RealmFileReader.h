#pragma once

#include <string_view>

#include "model/RealmList.h"

namespace sockwright {

// One realm per line, up to the end of the file or the first empty (line feed only) line.
RealmList parseRealmFile(std::string_view contents);

}  // namespace sockwright
