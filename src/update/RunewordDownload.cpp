#include "update/RunewordDownload.h"

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
    FileReplacement replacement(dataFolder / "runewords.txt");
    if (!replacement.status()) return failed(replacement.status().reason());

    FileAnswer answer;
    bool headerEnded = true;
    std::string body;
    HttpExchange exchange(server);
    const bool received =
        exchange.runToEnd(wireBytes(text(TextRunewordFileRequest)), [&](std::string_view bytes) {
            body.clear();
            headerEnded = answer.take(bytes, body);
            return headerEnded && replacement.append(body).ok();
        });

    if (!replacement.status()) return failed(replacement.status().reason());
    if (!headerEnded) return failed("the answer's header did not end within 2048 bytes");
    if (!received) return failed("no complete answer from the server");
    if (!answer.complete()) return failed("the answer was cut short");

    const FileContents downloaded = readWholeFile(replacement.temporaryPath());
    if (downloaded.status != FileReadStatus::Read) return failed("the download could not be read");
    if (!isLoadableRunewordFile(downloaded.bytes, runeTable)) {
        return failed("the download is not a runeword file");
    }
    if (SaveResult stored = replacement.commit(); !stored) return failed(stored.reason());
    return {true, {}};
}

}  // namespace sockwright
