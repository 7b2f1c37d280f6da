#pragma once

#include <filesystem>
#include <memory>

#include "model/AccountList.h"
#include "model/RealmList.h"
#include "model/RuneTable.h"
#include "model/RunewordList.h"
#include "model/Settings.h"
#include "model/VersionTriple.h"

namespace sockwright {

// Everything the program loads at start-up and keeps for the whole run. The main window owns
// one; every test builds its own.
struct ProgramState {
    std::filesystem::path dataFolder = "data";
    RuneTable runeTable;
    std::shared_ptr<const RunewordList> runewords = std::make_shared<RunewordList>();
    RuneDataVersion runeDataVersion{0, 0, 0};
    RealmList realms;
    AccountList accounts;
    Settings settings;
};

}  // namespace sockwright
