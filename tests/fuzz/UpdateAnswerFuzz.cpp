// The update answers as they arrive in pieces: the split of header and body, the file body and
// the version read from a version answer, against the same answer taken whole. The version is
// also read the way "%d.%d.%d" scans it.
//
// Input: one byte that chooses the sizes of the pieces, then the server's answer.

#include <cstdio>
#include <optional>
#include <vector>

#include "fuzz/FuzzTarget.h"
#include "update/HttpAnswer.h"
#include "update/VersionText.h"

namespace sockwright::fuzz {
namespace {

std::vector<std::string_view> pieces(std::string_view answer, std::uint8_t seed) {
    std::vector<std::string_view> out;
    std::uint32_t state = seed * 2654435761u + 1;
    while (!answer.empty()) {
        state = state * 1103515245u + 12345u;
        const std::size_t length = 1 + (state >> 16) % (seed < 128 ? 7 : 1500);
        out.push_back(answer.substr(0, length));
        answer.remove_prefix(std::min(length, answer.size()));
    }
    return out;
}

// Whether every run of digits has at most nine, so that "%d" cannot overflow on it.
bool shortNumbersOnly(std::string_view text) {
    std::size_t run = 0;
    for (const char c : text) {
        run = c >= '0' && c <= '9' ? run + 1 : 0;
        if (run > 9) return false;
    }
    return true;
}

void checkVersionText(std::string_view body) {
    const VersionTriple start{7, 8, 9};
    const VersionTriple read = readVersionText(body, start);
    if (!shortNumbersOnly(body)) return;
    VersionTriple scanned = start;
    const std::string text(body);  // scanning stops at its first zero byte, as reading does
    std::sscanf(text.c_str(), "%d.%d.%d", &scanned.major, &scanned.minor, &scanned.build);
    FUZZ_CHECK(read == scanned);
}

}  // namespace
}  // namespace sockwright::fuzz

FUZZ_TARGET(bytes) {
    if (bytes.empty()) return;
    const std::string_view answer = bytes.substr(1);
    const std::vector<std::string_view> parts = pieces(answer, static_cast<std::uint8_t>(bytes[0]));

    const std::string_view window = answer.substr(0, kAnswerWindow);
    const std::optional<std::size_t> bodyStart = findBodyStart(answer);
    const std::size_t headerEnd = window.find("\r\n\r\n");
    FUZZ_CHECK(bodyStart ==
               (headerEnd == std::string_view::npos ? std::nullopt : std::optional(headerEnd + 4)));

    // A version answer counts up to its first 2048 bytes.
    VersionAnswer version;
    std::size_t taken = 0;
    for (const std::string_view part : parts) {
        taken += part.size();
        const bool more = version.take(part);
        FUZZ_CHECK(more == (taken < kAnswerWindow));
        if (!more) break;
    }
    const VersionTriple start{1, 1, 3};
    const std::optional<VersionTriple> read = version.version(start);
    FUZZ_CHECK(read.has_value() == bodyStart.has_value());
    if (bodyStart) {
        FUZZ_CHECK(*read == readVersionText(window.substr(*bodyStart), start));
        checkVersionText(window.substr(*bodyStart));
    }

    // A file answer gives its whole body, byte for byte, however it was cut.
    FileAnswer file;
    std::string body;
    bool usable = true;
    for (const std::string_view part : parts) {
        std::string piece;
        usable = file.take(part, piece);
        body += piece;
        if (!usable) break;
    }
    if (bodyStart) {
        FUZZ_CHECK(usable && body == answer.substr(*bodyStart));
        const auto announced = announcedBodyLength(answer.substr(0, *bodyStart));
        FUZZ_CHECK(file.complete() == (!announced || body.size() >= *announced));
    } else {
        FUZZ_CHECK(body.empty() && !file.complete());
        FUZZ_CHECK(usable == (answer.size() < kAnswerWindow));
    }
}
