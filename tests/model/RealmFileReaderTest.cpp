#include "model/RealmFileReader.h"

#include <gtest/gtest.h>

namespace sockwright {
namespace {

using Realms = RealmList;

TEST(RealmFileReaderTest, OneRealmPerLineWithOrWithoutCarriageReturns) {
    EXPECT_EQ(parseRealmFile("USEast\nEurope\n"), (Realms{"USEast", "Europe"}));
    EXPECT_EQ(parseRealmFile("USEast\r\nEurope\r\n"), (Realms{"USEast", "Europe"}));
    EXPECT_EQ(parseRealmFile("USEast\nSingle Player"), (Realms{"USEast", "Single Player"}));
    EXPECT_EQ(parseRealmFile("  \n Asia \n"), (Realms{"  ", " Asia "}));
}

TEST(RealmFileReaderTest, AnEmptyLineEndsTheListButACarriageReturnLineDoesNot) {
    EXPECT_EQ(parseRealmFile(""), Realms{});
    EXPECT_EQ(parseRealmFile("\nUSEast\n"), Realms{});
    EXPECT_EQ(parseRealmFile("USEast\n\nEurope\n"), Realms{"USEast"});
    EXPECT_EQ(parseRealmFile("\r\nUSEast\r\n"), (Realms{"", "USEast"}));
}

}  // namespace
}  // namespace sockwright
