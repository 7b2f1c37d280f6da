#include "savefile/SaveFileReader.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "model/FileContents.h"
#include "savefile/CharacterFileReader.h"
#include "savefile/SaveFileBytes.h"
#include "savefile/SaveFileError.h"
#include "savefile/SharedStashReader.h"

namespace sockwright::savefile {
namespace {

constexpr std::uint32_t kSignature = 0xAA55AA55;
constexpr std::uint32_t kClassicVersion = 96;

bool isReadVersion(std::uint32_t version) {
    return version == 97 || version == 98 || version == 99 || version == 105;
}

void refuseVersion(std::uint32_t version) {
    if (version == kClassicVersion) {
        throw SaveFileError("it comes from the classic game (version 96), which is not read");
    }
    throw SaveFileError("its version " + std::to_string(version) +
                        " is unknown (only 97, 98, 99 and 105 are read)");
}

bool namesHardcore(std::string_view fileName) {
    std::string lower(fileName);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("hardcore") != std::string::npos;
}

SaveFileSummary readSummary(std::string_view bytes, std::string_view fileName) {
    if (bytes.size() < 16 || littleEndian(bytes, 0) != kSignature) {
        throw SaveFileError("it is not a save file of the game");
    }
    // A character file has its version right after the signature; a shared stash a small number.
    const std::uint32_t characterVersion = littleEndian(bytes, 4);
    if (characterVersion >= kClassicVersion) {
        if (!isReadVersion(characterVersion)) refuseVersion(characterVersion);
        return CharacterFileReader::read(bytes);
    }
    const std::uint32_t stashVersion = littleEndian(bytes, 8);
    if (!isReadVersion(stashVersion)) refuseVersion(stashVersion);
    return SharedStashReader::read(bytes, namesHardcore(fileName));
}

}  // namespace

std::string SaveFileReading::message(const std::filesystem::path& file) const {
    return "Cannot read \"" + file.filename().string() + "\": " + reason + ".";
}

SaveFileReading SaveFileReader::readFile(const std::filesystem::path& file) {
    const FileContents contents = readWholeFile(file, kMostSaveFileBytes);
    switch (contents.status) {
        case FileReadStatus::Read:
            return readBytes(contents.bytes, file.filename().string());
        case FileReadStatus::CannotOpen:
            return {std::nullopt,
                    "it cannot be opened (missing, unreadable or not a regular file)"};
        case FileReadStatus::TooLarge:
            return {std::nullopt, "it is larger than any save file (over 8 MiB)"};
        case FileReadStatus::OutOfMemory:
            break;
    }
    return {std::nullopt, "there is not enough memory to read it"};
}

SaveFileReading SaveFileReader::readBytes(std::string_view bytes, std::string_view fileName) {
    try {
        return {readSummary(bytes, fileName), {}};
    } catch (const SaveFileError& error) {
        return {std::nullopt, error.what()};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, "there is not enough memory to read it"};
    }
}

}  // namespace sockwright::savefile
