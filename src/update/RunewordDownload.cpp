#include "update/RunewordDownload.h"

#include "Texts.h"
#include "model/FileContents.h"
#include "model/FileReplacement.h"
#include "update/RunewordFileCheck.h"
#include "update/UpdateLog.h"
#include "update/UpdateRequests.h"

namespace sockwright {

RunewordDownload::RunewordDownload(const UpdateServer& server, QObject* parent)
    : QObject(parent), exchange_(server, this) {
    connect(&exchange_, &HttpExchange::finished, this, &RunewordDownload::answered);
}

void RunewordDownload::start(const std::filesystem::path& dataFolder, const RuneTable& runeTable) {
    dataFolder_ = dataFolder;
    runeTable_ = &runeTable;
    answer_ = {};
    headerEnded_ = true;
    body_.clear();
    failure_.clear();
    exchange_.start(wireBytes(text(TextRunewordFileRequest)),
                    [this](std::string_view bytes) { return take(bytes); });
}

bool RunewordDownload::take(std::string_view bytes) {
    // A runeword file larger than the program reads would never load: the transfer stops there,
    // so the body held here stays within that size.
    headerEnded_ = answer_.take(bytes, body_);
    return headerEnded_ && body_.size() <= kMostDataFileBytes;
}

void RunewordDownload::answered(bool received) {
    failure_ = storeFailure(received);
    body_ = std::string();  // the file may be megabytes; it is not kept after the transfer
    if (!failure_.empty()) qCDebug(updateLog, "runeword download: %s", failure_.c_str());
    emit finished(failure_.empty());
}

std::string RunewordDownload::storeFailure(bool received) {
    if (!headerEnded_) return "the answer's header did not end within 2048 bytes";
    if (body_.size() > kMostDataFileBytes) {
        return "the runeword file is larger than the " +
               std::to_string(kMostDataFileBytes / 1024 / 1024) + " MiB the program reads";
    }
    if (!received) return "no complete answer from the server";
    if (!answer_.complete()) return "the answer was cut short";
    if (!isLoadableRunewordFile(body_, *runeTable_)) return "the download is not a runeword file";
    // Written to a temporary file beside runewords.txt and renamed over it.
    if (SaveResult stored = replaceFileContents(dataFolder_ / "runewords.txt", body_); !stored) {
        return "runewords.txt could not be written: " + stored.reason();
    }
    return {};
}

}  // namespace sockwright
