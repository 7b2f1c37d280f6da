#pragma once

#include <string>
#include <string_view>

namespace sockwright {

// A name or realm as the program's files hold it: up to its first line break or zero byte, and
// the replacement when that leaves nothing. A text read is taken this way at once, so the program
// shows what the next save writes and the saved file reads back the same.
inline std::string storedText(std::string_view text, const char* replacement) {
    text = text.substr(0, text.find_first_of(std::string_view("\r\n\0", 3)));
    return text.empty() ? std::string(replacement) : std::string(text);
}

}  // namespace sockwright
