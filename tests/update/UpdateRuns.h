#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <filesystem>
#include <optional>
#include <string>

#include "update/RunewordDownload.h"
#include "update/UpdateCheck.h"

namespace sockwright::testing {

inline constexpr const char* kTestInstallationId = "0123ABCD_1234_abcd_5678_9ABCDEF01234";

// Runs one update check against the server to its end: what it found, or nothing.
inline std::optional<ServerVersions> runCheck(const UpdateServer& server) {
    UpdateCheck check(server);
    std::optional<ServerVersions> found;
    QObject::connect(&check, &UpdateCheck::versionsFound,
                     [&](const ServerVersions& versions) { found = versions; });
    QSignalSpy ended(&check, &UpdateCheck::ended);
    check.start(kTestInstallationId);
    EXPECT_TRUE(ended.wait(10000)) << "the check never ended";
    return found;
}

// Runs one runeword download into the data folder to its end: why it stored nothing, or an
// empty text when it stored the file.
inline std::string runDownload(const UpdateServer& server, const std::filesystem::path& dataFolder,
                               const RuneTable& runeTable) {
    RunewordDownload download(server);
    QSignalSpy finished(&download, &RunewordDownload::finished);
    download.start(dataFolder, runeTable);
    if (finished.isEmpty() && !finished.wait(10000)) return "the download never ended";
    return download.failure();
}

}  // namespace sockwright::testing
