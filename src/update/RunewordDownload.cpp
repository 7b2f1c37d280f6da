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
    FileReplacement replacement(dataFolder / "runewords.txt");
    if (!replacement.status()) return failed(replacement.status().reason());

    FileAnswer answer;
    bool headerEnded = true;
    // The file is stored as it arrives, whatever its size, but one larger than the program reads
    // would never load: the transfer stops there.
    std::uintmax_t stored = 0;
    std::string body;
    HttpExchange exchange(server);
    const bool received =
        exchange.runToEnd(wireBytes(text(TextRunewordFileRequest)), [&](std::string_view bytes) {
            body.clear();
            headerEnded = answer.take(bytes, body);
            stored += body.size();
            return headerEnded && stored <= kMostDataFileBytes && replacement.append(body).ok();
        });

    if (!replacement.status()) return failed(replacement.status().reason());
    if (!headerEnded) return failed("the answer's header did not end within 2048 bytes");
    if (stored > kMostDataFileBytes) {
        return failed("the runeword file is larger than the " +
                      std::to_string(kMostDataFileBytes / 1024 / 1024) + " MiB the program reads");
    }
    if (!received) return failed("no complete answer from the server");
    if (!answer.complete()) return failed("the answer was cut short");

    const FileContents downloaded = readWholeFile(replacement.temporaryPath(), kMostDataFileBytes);
    if (downloaded.status != FileReadStatus::Read) return failed("the download could not be read");
    if (!isLoadableRunewordFile(downloaded.bytes, runeTable)) {
        return failed("the download is not a runeword file");
    }
    if (SaveResult stored = replacement.commit(); !stored) return failed(stored.reason());
    return {true, {}};
}

}  // namespace sockwright
