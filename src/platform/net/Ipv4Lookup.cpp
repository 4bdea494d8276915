#include "platform/net/Ipv4Lookup.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace torva {
namespace {

std::optional<std::string> dotted(const in_addr& address) {
    char text[INET_ADDRSTRLEN] = {};
    if (!::inet_ntop(AF_INET, &address, text, sizeof text)) {
        return std::nullopt;
    }
    return std::string(text);
}

}  // namespace

std::optional<std::string> dottedIpv4(const std::string& text) {
    in_addr numeric{};
    if (::inet_pton(AF_INET, text.c_str(), &numeric) != 1) {
        return std::nullopt;
    }
    return dotted(numeric);
}

std::optional<std::string> lookUpIpv4(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_RAW;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return std::nullopt;
    }
    std::optional<std::string> address;
    for (const addrinfo* a = found; a && !address; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr) {
            address = dotted(reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr);
        }
    }
    ::freeaddrinfo(found);
    return address;
}

}  // namespace torva
