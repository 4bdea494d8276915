#include "nettest/icmp/SystemEcho.h"

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

// Longest host name the resolver is asked about.
constexpr std::size_t kLongestName = 253;

std::optional<std::string> dotted(const in_addr& address) {
    char text[INET_ADDRSTRLEN] = {};
    if (!::inet_ntop(AF_INET, &address, text, sizeof text)) {
        return std::nullopt;
    }
    return std::string(text);
}

}  // namespace

SystemResolver::SystemResolver() {
#ifdef _WIN32
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
#endif
}

SystemResolver::~SystemResolver() {
#ifdef _WIN32
    ::WSACleanup();
#endif
}

std::optional<std::string> SystemResolver::resolve(const std::string& host) {
    in_addr numeric{};
    if (::inet_pton(AF_INET, host.c_str(), &numeric) == 1) {
        return dotted(numeric);
    }
    // What the operator typed: no empty, overlong or control-character names.
    if (host.empty() || host.size() > kLongestName) {
        return std::nullopt;
    }
    for (const char c : host) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return std::nullopt;
        }
    }
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
