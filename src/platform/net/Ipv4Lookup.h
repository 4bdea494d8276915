#pragma once

#include <optional>
#include <string>

namespace torva {

// `text` in the usual dotted form when it is an IPv4 address; nothing
// otherwise. Asks no one.
std::optional<std::string> dottedIpv4(const std::string& text);

// The first IPv4 address that the system's resolver gives for `host`, or
// nothing. On Windows a SocketLibrary must be held.
std::optional<std::string> lookUpIpv4(const std::string& host);

}  // namespace torva
