#pragma once

#include "support/LoopbackServer.h"
#include "update/UpdateServer.h"

namespace sockwright::testing {

// Where widget tests send the update check: a loopback port where nothing listens, so that no
// test ever asks a real server.
inline UpdateServer noUpdateServer() {
    static const ClosedPort port;
    return {QStringLiteral("127.0.0.1"), port.port(), std::chrono::seconds(30)};
}

}  // namespace sockwright::testing
