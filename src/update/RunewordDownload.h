#pragma once

#include <QObject>
#include <filesystem>
#include <string>

#include "model/RuneTable.h"
#include "update/HttpAnswer.h"
#include "update/HttpExchange.h"
#include "update/UpdateServer.h"

namespace sockwright {

// Fetches the current runeword file from the update server on the event loop and puts it in the
// place of the data folder's runewords.txt (through a temporary file beside it) only when the
// transfer completed and the file reads as a runeword file no larger than kMostDataFileBytes;
// otherwise runewords.txt is left as it was. Nothing is written before the transfer has ended,
// so a download cancelled or destroyed midway leaves no trace in the data folder.
class RunewordDownload : public QObject {
    Q_OBJECT
  public:
    explicit RunewordDownload(const UpdateServer& server, QObject* parent = nullptr);

    // The rune table checks the file's entries; it must outlive the download.
    void start(const std::filesystem::path& dataFolder, const RuneTable& runeTable);
    bool running() const { return exchange_.running(); }
    // Stops a running download; nothing is stored and finished() is not emitted.
    void cancel() { exchange_.cancel(); }
    // Why the last download stored nothing; empty once one has stored the file.
    const std::string& failure() const { return failure_; }

  signals:
    void finished(bool stored);

  private:
    bool take(std::string_view bytes);
    void answered(bool received);
    std::string storeFailure(bool received);

    HttpExchange exchange_;
    std::filesystem::path dataFolder_;
    const RuneTable* runeTable_ = nullptr;
    FileAnswer answer_;
    bool headerEnded_ = true;
    std::string body_;
    std::string failure_;
};

}  // namespace sockwright
