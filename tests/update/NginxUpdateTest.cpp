// The update service against nginx serving the project's site/ folder on loopback, as a real
// update server would.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <optional>
#include <thread>

#include "UpdateRuns.h"
#include "model/BuildVersion.h"
#include "model/FileContents.h"
#include "model/RunewordFileReader.h"
#include "support/LoopbackServer.h"
#include "support/ShippedData.h"
#include "support/TempFolder.h"
#include "update/UpdateCheck.h"

extern char** environ;

namespace sockwright {
namespace {

using testing::LoopbackServer;
using testing::TempFolder;
namespace fs = std::filesystem;

const fs::path kSite = fs::path(SOCKWRIGHT_SOURCE_FOLDER) / "site";
const fs::path kNginx = "/usr/sbin/nginx";

std::string readFile(const fs::path& file) {
    return readWholeFile(file).bytes;
}

// nginx in the foreground, one process, everything it writes in a temporary folder.
class Nginx {
  public:
    Nginx() {
        int probe = LoopbackServer::boundSocket(port_);
        ::close(probe);
        const std::string prefix = folder_.path().string();
        std::string temporaryFolders;
        for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
            temporaryFolders += std::string(kind) + "_temp_path " + prefix + "/" + kind + ";\n";
        const fs::path config = folder_.write("nginx.conf", R"(daemon off;
master_process off;
pid )" + prefix + R"(/nginx.pid;
events { worker_connections 16; }
http {
    access_log off;
    )" + temporaryFolders + R"(
    types { text/plain txt; text/html html; }
    server {
        listen 127.0.0.1:)" + std::to_string(port_) + R"(;
        root )" + kSite.string() + R"(;
    }
}
)");
        std::vector<std::string> arguments = {kNginx.string(),       "-p", prefix,         "-e",
                                              prefix + "/error.log", "-c", config.string()};
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
    }
    ~Nginx() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }

    // Whether it listens within a few seconds: it writes its pid file once it does.
    bool ready() const {
        for (int attempt = 0; pid_ > 0 && attempt < 100; ++attempt) {
            if (folder_.exists("nginx.pid")) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    UpdateServer server() const {
        return {QStringLiteral("127.0.0.1"), port_, std::chrono::seconds(10)};
    }
    std::string errorLog() const { return folder_.read("error.log"); }

  private:
    TempFolder folder_;
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};

// What the site publishes is what the program ships: the same runeword file, its version line
// in the runeword version file, the program's own version in the program version file.
TEST(PublishedSite, AgreesWithTheShippedData) {
    const fs::path updates = kSite / "Sockwright/updates";
    const std::string runewords = readFile(updates / "runewords.txt");
    EXPECT_EQ(runewords, testing::shippedFile("runewords.txt"));
    EXPECT_EQ(readFile(updates / "runewordversion.txt"),
              runewords.substr(0, runewords.find('\n') + 1));
    EXPECT_EQ(readFile(updates / "sockwrightversion.txt"),
              std::to_string(kBuildVersionMajor) + "." + std::to_string(kBuildVersionMinor) + "." +
                  std::to_string(kBuildVersionPatch) + "\n");
}

TEST(NginxUpdateServer, AnswersTheCheckAndTheDownloadLoads) {
    ASSERT_TRUE(fs::exists(kNginx)) << "nginx is needed: make deps installs it";
    const Nginx nginx;
    ASSERT_TRUE(nginx.ready()) << nginx.errorLog();

    const std::optional<ServerVersions> found = testing::runCheck(nginx.server());
    ASSERT_TRUE(found) << nginx.errorLog();
    EXPECT_EQ(found->program,
              (VersionTriple{kBuildVersionMajor, kBuildVersionMinor, kBuildVersionPatch}));
    EXPECT_EQ(found->runewords, (VersionTriple{1, 0, 0}));

    TempFolder data;
    data.write("runewords.txt", "0.9.0\nOld\n0x1\n1\n");
    const RuneTable runes = testing::shippedRunes();
    ASSERT_EQ(testing::runDownload(nginx.server(), data.path(), runes), "") << nginx.errorLog();
    const std::string stored = data.read("runewords.txt");
    EXPECT_EQ(stored, readFile(kSite / "Sockwright/updates/runewords.txt"));
    const RunewordFileParse loaded = parseRunewordFile(stored, runes);
    ASSERT_TRUE(loaded.runewords);
    EXPECT_GT(loaded.runewords->size(), 90u);
}

}  // namespace
}  // namespace sockwright
