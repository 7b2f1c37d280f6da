#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "model/RuneFileReader.h"
#include "model/RunewordFileReader.h"

namespace sockwright::testing {

// The bytes of a data file the program ships (runes.txt, runewords.txt, realms.txt).
inline std::string shippedFile(const std::string& name) {
    std::ifstream in(std::filesystem::path(SOCKWRIGHT_SHIPPED_DATA) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline RuneTable shippedRunes() {
    return parseRuneFile(shippedFile("runes.txt"));
}

inline std::shared_ptr<const RunewordList> shippedRunewords(const RuneTable& runes) {
    return parseRunewordFile(shippedFile("runewords.txt"), runes).runewords;
}

}  // namespace sockwright::testing
