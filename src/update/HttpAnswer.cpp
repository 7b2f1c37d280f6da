#include "update/HttpAnswer.h"

#include <algorithm>
#include <cctype>

#include "update/VersionText.h"

namespace sockwright {
namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";

bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

std::optional<std::size_t> findBodyStart(std::string_view answer) {
    const std::size_t end = answer.substr(0, kAnswerWindow).find(kHeaderEnd);
    if (end == std::string_view::npos) return std::nullopt;
    return end + kHeaderEnd.size();
}

std::optional<std::uint64_t> announcedBodyLength(std::string_view header) {
    constexpr std::string_view kName = "content-length:";
    while (!header.empty()) {
        const std::size_t lineEnd = header.find("\r\n");
        std::string_view line = header.substr(0, lineEnd);
        header.remove_prefix(lineEnd == std::string_view::npos ? header.size() : lineEnd + 2);
        if (!startsWithIgnoringCase(line, kName)) continue;
        line.remove_prefix(kName.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        std::uint64_t length = 0;
        std::size_t digits = 0;
        for (; digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]));
             ++digits) {
            if (digits == 18) return std::nullopt;  // more than any body could be
            length = length * 10 + static_cast<std::uint64_t>(line[digits] - '0');
        }
        if (digits == 0) return std::nullopt;
        return length;
    }
    return std::nullopt;
}

bool VersionAnswer::take(std::string_view bytes) {
    kept_.append(bytes.substr(0, kAnswerWindow - kept_.size()));
    return kept_.size() < kAnswerWindow;
}

std::optional<VersionTriple> VersionAnswer::version(VersionTriple start) const {
    const std::optional<std::size_t> bodyStart = findBodyStart(kept_);
    if (!bodyStart) return std::nullopt;
    return readVersionText(std::string_view(kept_).substr(*bodyStart), start);
}

bool FileAnswer::take(std::string_view bytes, std::string& body) {
    if (!inBody_) {
        // Only the bytes that can still hold the header's end are looked at; a header end split
        // across two receives is found all the same.
        const std::size_t room = kAnswerWindow - header_.size();
        header_.append(bytes.substr(0, room));
        const std::optional<std::size_t> bodyStart = findBodyStart(header_);
        if (!bodyStart) return header_.size() < kAnswerWindow;
        inBody_ = true;
        announcedLength_ = announcedBodyLength(std::string_view(header_).substr(0, *bodyStart));
        // What came after the header in this receive is the body's start.
        const std::size_t taken = std::min(room, bytes.size());
        const std::size_t alreadyBody = header_.size() - *bodyStart;
        bytes = bytes.substr(taken - alreadyBody);
        header_.resize(*bodyStart);
    }
    body.append(bytes);
    bodyLength_ += bytes.size();
    return true;
}

bool FileAnswer::complete() const {
    return inBody_ && (!announcedLength_ || bodyLength_ >= *announcedLength_);
}

}  // namespace sockwright
