// The runeword download as the program takes it, without the socket: an answer arriving in
// pieces, its body checked before it may replace runewords.txt. A body the check lets through
// must load at the next start: read, not corrupt, with its version and at least one runeword.
//
// Input: one byte that chooses the sizes of the pieces, then the server's answer.

#include "fuzz/FuzzTarget.h"
#include "model/NumberReader.h"
#include "model/RunewordFileReader.h"
#include "support/RecordingMessageSink.h"
#include "support/TempFolder.h"
#include "update/HttpAnswer.h"
#include "update/RunewordFileCheck.h"

FUZZ_TARGET(bytes) {
    if (bytes.empty()) return;
    std::string_view answer = bytes.substr(1);
    const std::size_t pieceSize = 1 + static_cast<std::uint8_t>(bytes[0]) * 8;

    FileAnswer file;
    std::string body;
    while (!answer.empty()) {
        std::string piece;
        if (!file.take(answer.substr(0, pieceSize), piece)) return;
        body += piece;
        answer.remove_prefix(std::min(pieceSize, answer.size()));
    }
    if (!file.complete() || !isLoadableRunewordFile(body, fullRuneTable())) return;

    static const testing::TempFolder folder;
    folder.write("runewords.txt", body);
    ProgramState state;
    state.dataFolder = folder.path();
    state.runeTable = fullRuneTable();
    testing::RecordingMessageSink messages;
    FUZZ_CHECK(loadRunewords(state, messages) == RunewordLoadResult::Loaded);
    FUZZ_CHECK(messages.messages.empty());
    FUZZ_CHECK(!state.runewords->empty() && state.runewords->size() <= kMaxRunewords);
    RuneDataVersion version;
    FUZZ_CHECK(readVersion(body.substr(0, body.find('\n')), version) == 3);
    FUZZ_CHECK(state.runeDataVersion == version);
}
