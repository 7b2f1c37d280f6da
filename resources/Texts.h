#pragma once

#include <string_view>

namespace sockwright {

// Identifiers of the program's table of texts.
enum TextId : int {
    TextAboutMenuEntry = 101,
    TextOutOfMemory = 1000,
    TextCannotOpenRuneData = 1001,
    TextThanks = 1003,
    TextMissingFontQuestion = 1004,
    TextGamePage = 1100,
    TextHomePage = 1101,
    TextContactLink = 1102,
    TextUpdateHost = 1103,
    TextRunewordFileRequest = 1104,
    TextNewProgramVersion = 1105,
    TextNewRunewords = 1106,
    TextRunewordsUpdated = 1107,
    TextRunewordDownloadFailed = 1108,
    TextAccountFull = 1109,
    TextOnlyAccount = 1110,
    TextLastCharacter = 1111,
    TextRunewordReloadFailed = 1112,
};

// The text with the given id, or an empty text for an id the table does not hold.
std::string_view text(int id);

// The contact e-mail address as configured for this build.
std::string_view contactAddress();

}  // namespace sockwright
