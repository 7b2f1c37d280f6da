// Every text of the program's text table, spelt out once: a typo in the table shows here. Other
// tests take the texts from the table and check only where they appear.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "Texts.h"

namespace sockwright {
namespace {

TEST(TextsTest, EveryTextReadsAsWritten) {
    const std::pair<int, std::string_view> fixed[] = {
        {TextAboutMenuEntry, "&About Sockwright..."},
        {TextOutOfMemory, "Failed to allocate enough memory"},
        {TextCannotOpenRuneData, "Failed to open rune data file"},
        {TextMissingFontQuestion,
         "The Sockwright has been designed to use the Exocet font, which Diablo II uses, your "
         "system does not have this font.\nPlease install the Exocet font (Light or Heavy) for "
         "best results\nRemind me about this next time?"},
        {TextNewProgramVersion,
         "A NEW VERSION OF BRANNOCH'S SOCKWRIGHT EXISTS, YOU SHOULD DOWNLOAD THE NEWER VERSION TO "
         "GET UPDATED FUNCTIONALITY\n\nPRESS OK TO VISIT THE DOWNLOAD WEB PAGE"},
        {TextNewRunewords,
         "THERE HAVE BEEN CHANGES TO THE RUNEWORDS SINCE YOU LAST UPDATED THE SOCKWRIGHT.  IF YOU "
         "WOULD LIKE BRANNOCH'S SOCKWRIGHT TO DOWNLOAD THE LATEST UPDATES PRESS OK"},
        {TextRunewordsUpdated, "RUNEWORD DATA UPDATED SUCCESSFULLY"},
        {TextRunewordDownloadFailed,
         "BRANNOCH'S SOCKWRIGHT FAILED TO DOWNLOAD THE LATEST RUNEWORD DATA FILE.  IF YOU WOULD "
         "LIKE TO VISIT THE DOWNLOAD SITE TO MANUALY DOWNLOAD THE LATEST RUNEWORDS CLICK OK"},
        {TextAccountFull, "ACCOUNT IS FULL, CREATE A NEW ACCOUNT TO ADD MORE CHARACTERS"},
        {TextOnlyAccount,
         "CANNOT DELETE ACCOUNT, THIS IS THE ONLY ACCOUNT AND YOU MUST HAVE AT LEAST ONE ACCOUNT "
         "AT ALL TIMES"},
        {TextLastCharacter,
         "CANNOT DELETE LAST CHARACTER IN ACCOUNT, EVERY ACCOUNT MUST CONTAIN AT LEAST ONE "
         "CHARACTER, DELETE THE ACCOUNT OR ADD ANOTHER CHARACTER FIRST"},
        {TextRunewordReloadFailed,
         "I DO APOLOGIES, IT WOULD APPEAR THE NEW RUNEWORDS DATA FILE CANNOT BE LOADED, WHICH IS "
         "RATHER CRITICAL.  YOU SHOULD MANUALLY DOWNLOAD THIS FILE FROM THE SOCKWRIGHT HOME "
         "PAGE."},
    };
    for (const auto& [id, expected] : fixed) EXPECT_EQ(text(id), expected) << id;

    // The addresses are build settings; only their kind and how the texts use them are fixed.
    std::string contactUpper(contactAddress());
    for (char& c : contactUpper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(text(TextThanks),
              "\nTHANKS FOR USING BRANNOCH'S SOCKWRIGHT\nI HOPE IT IS OF SOME HELP TO YOU\n"
              "IF YOU'D LIKE TO MAKE ANY SUGGESTIONS,\nCOMMENTS OR REPORT BUGS I'D BE MOST\n"
              "GRATEFUL.\n\nYOU CAN EMAIL ME AT:\n" +
                  contactUpper +
                  "\n\nOR YOU COULD ALWAYS TRY AND CATCH\nME ON THE USEAST REALM :)\n"
                  "(*BRANNOCH AND *BRANNOCH2)");
    EXPECT_EQ(text(TextContactLink), "mailto:" + std::string(contactAddress()));
    const std::string host(text(TextUpdateHost));
    EXPECT_FALSE(host.empty() || host.find_first_of("/ \r\n") != std::string::npos) << host;
    EXPECT_EQ(text(TextRunewordFileRequest),
              "GET http://" + host + "/Sockwright/updates/runewords.txt HTTP/1.0\r\n\r\n");
    for (const int page : {TextHomePage, TextGamePage})
        EXPECT_TRUE(text(page).starts_with("http")) << text(page);
    EXPECT_EQ(text(1002), "") << "an id the table does not hold";
}

}  // namespace
}  // namespace sockwright
