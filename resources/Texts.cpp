#include "Texts.h"

#include <array>
#include <utility>

#include "TextsConfig.h"

namespace sockwright {
namespace {

// clang-format off
constexpr std::array<std::pair<int, std::string_view>, 18> kTexts{{
    {TextAboutMenuEntry, "&About Sockwright..."},
    {TextOutOfMemory, "Failed to allocate enough memory"},
    {TextCannotOpenRuneData, "Failed to open rune data file"},
    {TextThanks,
     "\nTHANKS FOR USING BRANNOCH'S SOCKWRIGHT\n"
     "I HOPE IT IS OF SOME HELP TO YOU\n"
     "IF YOU'D LIKE TO MAKE ANY SUGGESTIONS,\n"
     "COMMENTS OR REPORT BUGS I'D BE MOST\n"
     "GRATEFUL.\n"
     "\n"
     "YOU CAN EMAIL ME AT:\n"
     SOCKWRIGHT_CONTACT_UPPER "\n"
     "\n"
     "OR YOU COULD ALWAYS TRY AND CATCH\n"
     "ME ON THE USEAST REALM :)\n"
     "(*BRANNOCH AND *BRANNOCH2)"},
    {TextMissingFontQuestion,
     "The Sockwright has been designed to use the Exocet font, which Diablo II uses, your system "
     "does not have this font.\nPlease install the Exocet font (Light or Heavy) for best results\n"
     "Remind me about this next time?"},
    {TextGamePage, SOCKWRIGHT_GAME_PAGE},
    {TextHomePage, SOCKWRIGHT_HOME_PAGE},
    {TextContactLink, "mailto:" SOCKWRIGHT_CONTACT},
    {TextUpdateHost, SOCKWRIGHT_UPDATE_HOST},
    {TextRunewordFileRequest,
     "GET http://" SOCKWRIGHT_UPDATE_HOST "/Sockwright/updates/runewords.txt HTTP/1.0\r\n\r\n"},
    {TextNewProgramVersion,
     "A NEW VERSION OF BRANNOCH'S SOCKWRIGHT EXISTS, YOU SHOULD DOWNLOAD THE NEWER VERSION TO GET "
     "UPDATED FUNCTIONALITY\n\nPRESS OK TO VISIT THE DOWNLOAD WEB PAGE"},
    {TextNewRunewords,
     "THERE HAVE BEEN CHANGES TO THE RUNEWORDS SINCE YOU LAST UPDATED THE SOCKWRIGHT.  IF YOU "
     "WOULD LIKE BRANNOCH'S SOCKWRIGHT TO DOWNLOAD THE LATEST UPDATES PRESS OK"},
    {TextRunewordsUpdated, "RUNEWORD DATA UPDATED SUCCESSFULLY"},
    {TextRunewordDownloadFailed,
     "BRANNOCH'S SOCKWRIGHT FAILED TO DOWNLOAD THE LATEST RUNEWORD DATA FILE.  IF YOU WOULD LIKE "
     "TO VISIT THE DOWNLOAD SITE TO MANUALY DOWNLOAD THE LATEST RUNEWORDS CLICK OK"},
    {TextAccountFull, "ACCOUNT IS FULL, CREATE A NEW ACCOUNT TO ADD MORE CHARACTERS"},
    {TextOnlyAccount,
     "CANNOT DELETE ACCOUNT, THIS IS THE ONLY ACCOUNT AND YOU MUST HAVE AT LEAST ONE ACCOUNT AT "
     "ALL TIMES"},
    {TextLastCharacter,
     "CANNOT DELETE LAST CHARACTER IN ACCOUNT, EVERY ACCOUNT MUST CONTAIN AT LEAST ONE CHARACTER, "
     "DELETE THE ACCOUNT OR ADD ANOTHER CHARACTER FIRST"},
    {TextRunewordReloadFailed,
     "I DO APOLOGIES, IT WOULD APPEAR THE NEW RUNEWORDS DATA FILE CANNOT BE LOADED, WHICH IS "
     "RATHER CRITICAL.  YOU SHOULD MANUALLY DOWNLOAD THIS FILE FROM THE SOCKWRIGHT HOME PAGE."},
}};
// clang-format on

}  // namespace

std::string_view text(int id) {
    for (const auto& [textId, value] : kTexts) {
        if (textId == id) return value;
    }
    return {};
}

std::string_view contactAddress() {
    return SOCKWRIGHT_CONTACT;
}

}  // namespace sockwright
