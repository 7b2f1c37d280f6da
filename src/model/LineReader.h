#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sockwright {

// Takes the next line off a buffer. The end of the buffer and a zero byte end a line like a
// line feed; a carriage return just before the line feed is dropped. Fails, changing nothing,
// when the next byte is a line feed, a zero byte or the end of the buffer.
bool readLine(std::string_view buffer, std::size_t& position, std::string& text);

}  // namespace sockwright
