#include <gtest/gtest.h>

#include "model/RealmFileReader.h"

namespace sockwright {
namespace {

using namespace std::string_literals;

// The realm file is read with readLine, so these rows are also the line reader's rules.
TEST(RealmFileReaderTest, OneRealmPerLineUpToTheFirstEmptyLine) {
    const std::pair<std::string, RealmList> rows[] = {
        {"USEast\r\nEurope\r\n", {"USEast", "Europe"}},
        {"USEast\nSingle Player", {"USEast", "Single Player"}},
        {"", {}},
        {"\nUSEast\n", {}},
        {"USEast\n\nEurope\n", {"USEast"}},
        {"\r\nUSEast\r\n", {"", "USEast"}},             // a carriage return line is an empty realm
        {"A\r\r\nB\r", {"A\r", "B\r"}},                 // only the one before a line feed goes
        {"US\0East\n\xff\n"s, {"US", "East", "\xff"}},  // a zero byte ends a line...
        {"\0USEast\n"s, {}},                            // ...and, first, the list
    };
    for (const auto& [contents, realms] : rows) {
        SCOPED_TRACE(::testing::PrintToString(contents));
        EXPECT_EQ(parseRealmFile(contents), realms);
    }
}

}  // namespace
}  // namespace sockwright
