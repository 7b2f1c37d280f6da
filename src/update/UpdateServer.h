#pragma once

#include <QString>
#include <chrono>

#include "Texts.h"

namespace sockwright {

// Where the update server is reached, and how long an exchange may go without data before it
// counts as failed.
struct UpdateServer {
    QString host = QString::fromLatin1(text(TextUpdateHost));
    quint16 port = 80;
    std::chrono::milliseconds idleTimeout{30000};
};

}  // namespace sockwright
