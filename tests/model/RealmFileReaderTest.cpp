#include <gtest/gtest.h>

#include "model/LineReader.h"
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

TEST(RealmFileReaderTest, LineReaderFailsChangingNothingAtAnEmptyLine) {
    for (const std::string& buffer : {""s, "\nA"s, "\0A"s}) {
        std::size_t position = 0;
        std::string text = "kept";
        EXPECT_FALSE(readLine(buffer, position, text));
        EXPECT_EQ(position, 0u);
        EXPECT_EQ(text, "kept");
    }
}

}  // namespace
}  // namespace sockwright
