// Servers that fight back: huge answers, headers that never end, bytes one at a time, random
// bytes. The download gives up or finishes as designed, the event loop keeps running, and
// runewords.txt is never replaced by something that does not load. (The check reads answers
// through the same exchange.)
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>
#include <random>

#include "model/FileContents.h"
#include "model/RuneFileReader.h"
#include "support/LoopbackServer.h"
#include "support/TempFolder.h"
#include "update/RunewordDownload.h"

namespace sockwright {
namespace {

using testing::LoopbackServer;
using testing::ScriptedReply;
using testing::TempFolder;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kHeader = "HTTP/1.0 200 OK\r\n\r\n";
const std::string kOldFile = "1.0.0\nOld\n0x1\n1 2\nold property\n";

UpdateServer loopback(std::uint16_t port) {
    return {QStringLiteral("127.0.0.1"), port, std::chrono::seconds(5)};
}

std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xff);
    return bytes;
}

std::vector<std::string> oneByteEach(const std::string& text) {
    std::vector<std::string> bytes;
    for (const char c : text) bytes.emplace_back(1, c);
    return bytes;
}

struct Hostile {
    const char* what;
    ScriptedReply reply;
};

std::vector<Hostile> hostileAnswers() {
    return {
        {"50 MB of body", {{kHeader + std::string(50 << 20, '7')}}},
        {"a 1 MB header without an end", {{std::string(1 << 20, 'h')}}},
        {"random bytes", {{randomBytes(256 << 10, 1)}}},
        {"random bytes after a header", {{kHeader + randomBytes(256 << 10, 2)}}},
        {"a reset after the header", {{kHeader + "1.2"}, ScriptedReply::Ending::Reset}},
    };
}

TEST(HostileServer, TheDownloadNeverStoresWhatDoesNotLoadAndTheLoopKeepsRunning) {
    const RuneTable runes =
        parseRuneFile(readWholeFile(fs::path(SOCKWRIGHT_SHIPPED_DATA) / "runes.txt").bytes);
    TempFolder data;
    for (const Hostile& hostile : hostileAnswers()) {
        SCOPED_TRACE(hostile.what);
        data.write("runewords.txt", kOldFile);
        const LoopbackServer server({hostile.reply});
        EXPECT_FALSE(downloadRunewords(loopback(server.port()), data.path(), runes).stored);
        EXPECT_EQ(data.read("runewords.txt"), kOldFile);
        EXPECT_EQ(std::distance(fs::directory_iterator(data.path()), fs::directory_iterator()), 1);
    }

    // While a file trickles in, timers still fire: the window would still paint.
    const std::string file = "1.0.1\nSteel\n0x209\n3 1\n+25% Increased Attack Speed\n";
    const LoopbackServer slow({{oneByteEach(kHeader + file), ScriptedReply::Ending::Close, 2ms}});
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    const RunewordDownloadResult result =
        downloadRunewords(loopback(slow.port()), data.path(), runes);
    EXPECT_TRUE(result.stored) << result.reason;
    EXPECT_EQ(data.read("runewords.txt"), file);
    EXPECT_GT(ticks, 5);
}

}  // namespace
}  // namespace sockwright
