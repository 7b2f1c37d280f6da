#pragma once

#include <QObject>
#include <string>
#include <string_view>

#include "model/VersionTriple.h"
#include "update/HttpAnswer.h"
#include "update/HttpExchange.h"

namespace sockwright {

// What the update server says is newest.
struct ServerVersions {
    VersionTriple program;
    VersionTriple runewords;
};

// The check made once per start, in the background on the event loop: the program's version
// first, then the runeword data's, the second asked only when the first was answered. Nothing is
// reported unless both were.
class UpdateCheck : public QObject {
    Q_OBJECT
  public:
    explicit UpdateCheck(const UpdateServer& server, QObject* parent = nullptr);

    void start(std::string_view installationId);
    bool running() const { return exchange_.running(); }

  signals:
    void versionsFound(const sockwright::ServerVersions& versions);
    // At the end of the check, whether or not it found anything.
    void ended();

  private:
    void ask(const std::string& request);
    void answered(bool received);

    HttpExchange exchange_;
    VersionAnswer answer_;
    std::string runewordRequest_;
    bool askingProgramVersion_ = false;
    ServerVersions versions_;
};

}  // namespace sockwright
