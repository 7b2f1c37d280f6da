#include "update/UpdateRequests.h"

namespace sockwright {
namespace {

constexpr std::string_view kUpdatesFolder = "/Sockwright/updates/";

std::string request(std::string_view host, std::string_view file) {
    std::string text = "GET http://";
    text.append(host).append(kUpdatesFolder).append(file);
    return text;
}

std::string finished(std::string text) {
    return text.append(" HTTP/1.0\r\n\r\n");
}

}  // namespace

std::string programVersionRequest(std::string_view host, std::string_view installationId) {
    return finished(request(host, "sockwrightversion.txt#").append(installationId));
}

std::string runewordVersionRequest(std::string_view host, std::string_view installationId) {
    return finished(request(host, "runewordversion.txt#").append(installationId));
}

std::string wireBytes(std::string_view request) {
    std::string bytes(request);
    bytes.push_back('\0');
    return bytes;
}

}  // namespace sockwright
