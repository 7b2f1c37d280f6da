#pragma once

#include <string>
#include <string_view>

namespace sockwright {

// The two version requests the program sends to the update server: a request line in absolute
// form and an empty line, nothing else. The installation id travels as the address's fragment;
// with no id the "#" stands alone. The runeword file's request is text 1104 of the text table.
std::string programVersionRequest(std::string_view host, std::string_view installationId);
std::string runewordVersionRequest(std::string_view host, std::string_view installationId);

// What goes on the wire for a request: its text and the zero byte that ends it, in one send.
std::string wireBytes(std::string_view request);

}  // namespace sockwright
