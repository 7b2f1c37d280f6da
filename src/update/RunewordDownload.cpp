#include "update/RunewordDownload.h"

#include <cstdint>
#include <string>

#include "Texts.h"
#include "model/FileContents.h"
#include "model/FileReplacement.h"
#include "update/HttpAnswer.h"
#include "update/HttpExchange.h"
#include "update/RunewordFileCheck.h"
#include "update/UpdateRequests.h"

namespace sockwright {
namespace {

RunewordDownloadResult failed(std::string reason) {
    return {false, std::move(reason)};
}

}  // namespace

RunewordDownloadResult downloadRunewords(const UpdateServer& server,
                                         const std::filesystem::path& dataFolder,
                                         const RuneTable& runeTable) {
    // A runeword file larger than the program reads would never load: the transfer stops there,
    // so the body held here stays within that size.
    FileAnswer answer;
    bool headerEnded = true;
    std::string body;
    HttpExchange exchange(server);
    const bool received =
        exchange.runToEnd(wireBytes(text(TextRunewordFileRequest)), [&](std::string_view bytes) {
            headerEnded = answer.take(bytes, body);
            return headerEnded && body.size() <= kMostDataFileBytes;
        });

    if (!headerEnded) return failed("the answer's header did not end within 2048 bytes");
    if (body.size() > kMostDataFileBytes) {
        return failed("the runeword file is larger than the " +
                      std::to_string(kMostDataFileBytes / 1024 / 1024) + " MiB the program reads");
    }
    if (!received) return failed("no complete answer from the server");
    if (!answer.complete()) return failed("the answer was cut short");
    if (!isLoadableRunewordFile(body, runeTable)) {
        return failed("the download is not a runeword file");
    }
    // Written to a temporary file beside runewords.txt and renamed over it.
    if (SaveResult stored = replaceFileContents(dataFolder / "runewords.txt", body); !stored) {
        return failed(stored.reason());
    }
    return {true, {}};
}

}  // namespace sockwright
