#include "update/VersionText.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace sockwright {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// One "%d" from the front of the text; the text loses what was read.
std::optional<std::int32_t> readNumber(std::string_view& text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at >= text.size() || !isDigit(text[at])) return std::nullopt;

    constexpr std::int64_t kLargest = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kLargest);
    }
    text.remove_prefix(at);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

VersionTriple readVersionText(std::string_view text, VersionTriple start) {
    std::int32_t* const fields[] = {&start.major, &start.minor, &start.build};
    for (std::size_t field = 0; field < 3; ++field) {
        if (field > 0) {
            if (text.empty() || text.front() != '.') break;
            text.remove_prefix(1);
        }
        const std::optional<std::int32_t> number = readNumber(text);
        if (!number) break;
        *fields[field] = *number;
    }
    return start;
}

}  // namespace sockwright
