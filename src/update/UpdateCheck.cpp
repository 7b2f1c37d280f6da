#include "update/UpdateCheck.h"

#include "Texts.h"
#include "update/UpdateRequests.h"

namespace sockwright {

UpdateCheck::UpdateCheck(const UpdateServer& server, QObject* parent)
    : QObject(parent), exchange_(server, this) {
    connect(&exchange_, &HttpExchange::finished, this, &UpdateCheck::answered);
}

void UpdateCheck::start(std::string_view installationId) {
    const std::string_view host = text(TextUpdateHost);
    runewordRequest_ = runewordVersionRequest(host, installationId);
    versions_ = {};
    askingProgramVersion_ = true;
    ask(programVersionRequest(host, installationId));
}

void UpdateCheck::ask(const std::string& request) {
    answer_ = {};
    exchange_.start(wireBytes(request),
                    [this](std::string_view bytes) { return answer_.take(bytes); });
}

void UpdateCheck::answered(bool received) {
    const std::optional<VersionTriple> version =
        received ? answer_.version(VersionTriple{}) : std::nullopt;
    if (!version) {
        emit ended();
        return;
    }
    if (askingProgramVersion_) {
        versions_.program = *version;
        askingProgramVersion_ = false;
        ask(runewordRequest_);
        return;
    }
    versions_.runewords = *version;
    emit versionsFound(versions_);
    emit ended();
}

}  // namespace sockwright
