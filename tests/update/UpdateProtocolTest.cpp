// The update protocol without a socket: the bytes of each request, how a version body reads, and
// which downloads may replace the file.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/ShippedData.h"
#include "update/RunewordFileCheck.h"
#include "update/UpdateRequests.h"
#include "update/VersionText.h"

namespace sockwright {
namespace {

using namespace std::string_literals;

TEST(UpdateRequests, AreOneAbsoluteRequestLineAnEmptyLineAndOneZeroByte) {
    EXPECT_EQ(wireBytes(programVersionRequest("host.example", "ID_1")),
              "GET http://host.example/Sockwright/updates/sockwrightversion.txt#ID_1 "
              "HTTP/1.0\r\n\r\n\0"s);
    // Without an id the "#" stands alone.
    EXPECT_EQ(runewordVersionRequest("h", ""),
              "GET http://h/Sockwright/updates/runewordversion.txt# HTTP/1.0\r\n\r\n");
}

TEST(VersionText, ReadsAsScanningThreeNumbersDoesAndKeepsWhatDidNotRead) {
    const VersionTriple start{7, 8, 9};
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();
    const std::pair<const char*, VersionTriple> cases[] = {
        {"1.2.7", {1, 2, 7}},
        {"2", {2, 8, 9}},
        {"x1.2.3", {7, 8, 9}},
        {"", {7, 8, 9}},
        {" \r\n+3. -4.5rest", {3, -4, 5}},  // blanks before a number, signs
        {"1 .2.3", {1, 8, 9}},              // no blank may come before a dot
        {"1..3", {1, 8, 9}},
        {"99999999999.-99999999999.0", {kMost, kLeast, 0}}};
    for (const auto& [body, expected] : cases)
        EXPECT_EQ(readVersionText(body, start), expected) << body;
}

TEST(RunewordFileCheck, OnlyAWholeRunewordFileMayReplaceTheOldOne) {
    const RuneTable runes = testing::shippedRunes();
    const std::string shipped = testing::shippedFile("runewords.txt");
    ASSERT_FALSE(shipped.empty());
    EXPECT_TRUE(isLoadableRunewordFile(shipped, runes));
    EXPECT_TRUE(isLoadableRunewordFile("1.0.0\nSteel\n0x1\n13 5\n+20% IAS\n", runes));

    EXPECT_FALSE(isLoadableRunewordFile("<html><body>404 Not Found</body></html>", runes));
    EXPECT_FALSE(isLoadableRunewordFile("", runes));
    EXPECT_FALSE(isLoadableRunewordFile("1.0.0\n", runes));  // a version line alone is corrupt
    // Cut after a name line: the equipment line is missing.
    EXPECT_FALSE(isLoadableRunewordFile(shipped.substr(0, shipped.find("\n0x", 20) + 1), runes));
}

}  // namespace
}  // namespace sockwright
