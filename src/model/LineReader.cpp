#include "model/LineReader.h"

namespace sockwright {

bool readLine(std::string_view buffer, std::size_t& position, std::string& text) {
    if (position >= buffer.size() || buffer[position] == '\n' || buffer[position] == '\0') {
        return false;
    }
    std::size_t end = position;
    while (end < buffer.size() && buffer[end] != '\n' && buffer[end] != '\0') ++end;
    std::size_t textEnd = end;
    if (end < buffer.size() && buffer[end] == '\n' && textEnd > position &&
        buffer[textEnd - 1] == '\r') {
        --textEnd;
    }
    text.assign(buffer.substr(position, textEnd - position));
    position = end + 1;
    return true;
}

}  // namespace sockwright
