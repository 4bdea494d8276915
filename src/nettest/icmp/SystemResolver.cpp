#include "nettest/icmp/SystemEcho.h"

#include "platform/net/Ipv4Lookup.h"

namespace torva {
namespace {

// Longest host name the resolver is asked about.
constexpr std::size_t kLongestName = 253;

}  // namespace

SystemResolver::SystemResolver() = default;

SystemResolver::~SystemResolver() = default;

std::optional<std::string> SystemResolver::resolve(const std::string& host) {
    if (auto address = dottedIpv4(host)) {
        return address;
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
    return lookUpIpv4(host);
}

}  // namespace torva
