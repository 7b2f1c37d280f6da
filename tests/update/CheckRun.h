#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <optional>

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

}  // namespace sockwright::testing
