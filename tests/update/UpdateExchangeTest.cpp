// The update check and the runeword download against a real server on loopback that answers
// from a script and records the bytes it received.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "Texts.h"
#include "UpdateRuns.h"
#include "model/FileContents.h"
#include "support/LoopbackServer.h"
#include "support/ShippedData.h"
#include "support/TempFolder.h"
#include "update/UpdateCheck.h"
#include "update/UpdateRequests.h"

namespace sockwright {
namespace {

using testing::ClosedPort;
using testing::LoopbackServer;
using testing::ScriptedReply;
using testing::TempFolder;
using Ending = ScriptedReply::Ending;
namespace fs = std::filesystem;

const std::string kHeader = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";

UpdateServer loopback(std::uint16_t port) {
    return {QStringLiteral("127.0.0.1"), port, std::chrono::milliseconds(300)};
}

ScriptedReply answer(const std::string& body) {
    return {{kHeader + body}};
}

std::optional<ServerVersions> check(std::uint16_t port) {
    return testing::runCheck(loopback(port));
}

TEST(UpdateCheck, AsksForTheProgramVersionThenTheRunewordVersion) {
    // The check stops reading a version answer after its first 2048 bytes, and the answer counts.
    LoopbackServer server({answer("1.2.7\r\n" + std::string(5000, 'x')), answer("x")});
    const std::optional<ServerVersions> found = check(server.port());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->program, (VersionTriple{1, 2, 7}));
    EXPECT_EQ(found->runewords, (VersionTriple{0, 0, 0}));  // a body that reads nothing
    const std::string id = testing::kTestInstallationId;
    const std::vector<std::string> expected = {
        wireBytes(programVersionRequest(text(TextUpdateHost), id)),
        wireBytes(runewordVersionRequest(text(TextUpdateHost), id))};
    EXPECT_EQ(server.requests(), expected);
}

TEST(UpdateCheck, ReportsNothingWhenEitherAnswerFails) {
    const ScriptedReply noHeaderEnd{{"HTTP/1.0 200 OK\r\n1.2.3"}};
    {
        // The runeword version is not even asked for when the program version failed.
        LoopbackServer server({noHeaderEnd, answer("1.2.3")});
        EXPECT_FALSE(check(server.port()));
        EXPECT_EQ(server.connections(), 1);
    }
    for (const ScriptedReply& second :
         {noHeaderEnd, ScriptedReply{{}, Ending::Reset}, ScriptedReply{{}, Ending::Hold}}) {
        LoopbackServer server({answer("9.9.9"), second});
        EXPECT_FALSE(check(server.port()));
        EXPECT_EQ(server.connections(), 2);
    }
}

class RunewordDownloadTest : public ::testing::Test {
  protected:
    void SetUp() override { data.write("runewords.txt", kOldFile); }

    // Why the download stored nothing; empty when it stored the file.
    std::string download(std::vector<ScriptedReply> replies) {
        LoopbackServer server(std::move(replies));
        const std::string failure =
            testing::runDownload(loopback(server.port()), data.path(), runes);
        requests = server.requests();
        return failure;
    }
    // The data folder holds runewords.txt and nothing else: no temporary file is left.
    void expectOnlyTheFile(const std::string& contents) {
        EXPECT_EQ(data.read("runewords.txt"), contents);
        EXPECT_EQ(std::distance(fs::directory_iterator(data.path()), fs::directory_iterator()), 1);
    }

    const std::string kOldFile = "1.0.0\nOld\n0x1\n1 2\nold property\n";
    TempFolder data;
    const RuneTable runes = testing::shippedRunes();
    std::vector<std::string> requests;
};

TEST_F(RunewordDownloadTest, StoresTheBodyUnchangedWhateverSegmentsItCameIn) {
    // Line ends stay CR LF; the header ends exactly at the end of the first segment.
    std::string body;
    for (const char c : testing::shippedFile("runewords.txt"))
        body += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::size_t third = body.size() / 3;
    EXPECT_EQ(download({{{kHeader, body.substr(0, third), body.substr(third, third),
                          body.substr(2 * third)}}}),
              "");
    expectOnlyTheFile(body);
    EXPECT_EQ(requests,
              std::vector<std::string>{std::string(text(TextRunewordFileRequest)) + '\0'});
}

TEST_F(RunewordDownloadTest, AFailedDownloadLeavesTheOldFileAsItWas) {
    const std::string file = testing::shippedFile("runewords.txt");
    const std::string cutHeader =
        "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(file.size()) + "\r\n\r\n";
    const std::vector<std::pair<const char*, ScriptedReply>> failures = {
        {"not a runeword file", answer("1.0.0\nA\nB\nC\n\n\nD\n0x1\n1\n")},
        {"cut and reset", {{cutHeader + file.substr(0, file.size() / 2)}, Ending::Reset}},
        {"cut and closed", {{cutHeader + file.substr(0, file.size() / 2)}}},
        {"silent server", {{kHeader + file.substr(0, 100)}, Ending::Hold}},
    };
    for (const auto& [what, reply] : failures) {
        SCOPED_TRACE(what);
        EXPECT_NE(download({reply}), "");
        expectOnlyTheFile(kOldFile);
    }
    const ClosedPort closed;
    ::testing::internal::CaptureStderr();
    EXPECT_NE(testing::runDownload(loopback(closed.port()), data.path(), runes), "");
    ::testing::internal::GetCapturedStderr();
    expectOnlyTheFile(kOldFile);
}

// The download is stored up to the size the program reads, and no further: a larger runeword file
// would never load, so the transfer stops there and the old file stays.
TEST_F(RunewordDownloadTest, ARunewordFileLargerThanTheProgramReadsIsNotStored) {
    const std::string entry = "1.0.9\nBig\n0x1\n1 2\n";
    const std::string atTheLimit =
        entry + std::string(kMostDataFileBytes - entry.size() - 1, 'p') + "\n";
    EXPECT_EQ(download({answer(atTheLimit + "\n")}),
              "the runeword file is larger than the 4 MiB the program reads");
    expectOnlyTheFile(kOldFile);

    EXPECT_EQ(download({answer(atTheLimit)}), "");
    expectOnlyTheFile(atTheLimit);
}

}  // namespace
}  // namespace sockwright
