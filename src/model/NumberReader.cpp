#include "model/NumberReader.h"

#include <limits>

namespace sockwright {
namespace {

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Skips blanks and one sign; tells whether the sign was a minus.
bool skipBlanksAndSign(std::string_view text, std::size_t& position) {
    skipBlanks(text, position);
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        return text[position++] == '-';
    }
    return false;
}

}  // namespace

void skipBlanks(std::string_view text, std::size_t& position) {
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t')) ++position;
}

bool readDecimal(std::string_view text, std::size_t& position, std::int32_t& value,
                 Overflow overflow) {
    std::size_t at = position;
    const bool negative = skipBlanksAndSign(text, at);
    if (at >= text.size() || !isDecimalDigit(text[at])) return false;

    // Accumulate the magnitude in 64 bits and stop growing it once it is past the 32-bit range.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    while (at < text.size() && isDecimalDigit(text[at])) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[at] - '0');
        ++at;
    }
    const std::int64_t largest = negative ? kLimit : kLimit - 1;
    if (magnitude > largest && overflow == Overflow::Fail) return false;
    if (negative) {
        value = magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                    : static_cast<std::int32_t>(-magnitude);
    } else {
        value = magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                                    : static_cast<std::int32_t>(magnitude);
    }
    position = at;
    return true;
}

bool readHexadecimal(std::string_view text, std::size_t& position, std::uint32_t& value,
                     Overflow overflow) {
    std::size_t at = position;
    const bool negative = skipBlanksAndSign(text, at);
    if (negative && overflow == Overflow::Fail) return false;
    // A "0x" prefix counts only when a digit follows it; otherwise its "0" is the number.
    if (at + 2 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
        hexDigitValue(text[at + 2]) >= 0) {
        at += 2;
    }
    if (at >= text.size() || hexDigitValue(text[at]) < 0) return false;

    std::uint32_t bits = 0;
    while (at < text.size() && hexDigitValue(text[at]) >= 0) {
        if (bits > 0x0FFFFFFFu && overflow == Overflow::Fail) return false;
        bits = (bits << 4) | static_cast<std::uint32_t>(hexDigitValue(text[at]));
        ++at;
    }
    value = negative ? 0u - bits : bits;
    position = at;
    return true;
}

int readVersion(std::string_view line, VersionTriple& version) {
    std::int32_t* const numbers[] = {&version.major, &version.minor, &version.build};
    std::size_t position = 0;
    int read = 0;
    for (std::int32_t* number : numbers) {
        if (read > 0) {
            if (position >= line.size() || line[position] != '.') break;
            ++position;
        }
        if (!readDecimal(line, position, *number)) break;
        ++read;
    }
    return read;
}

}  // namespace sockwright
