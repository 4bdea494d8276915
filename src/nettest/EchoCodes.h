#pragma once

#include <cstdint>
#include <string>

namespace torva {

// Outcome of one echo request. Ok is 0; any other value is a failure that a
// synchronous request raises to its caller.
enum class EchoCode : std::int16_t {
    Ok = 0,
    // No reply within `ReplyTimeout`.
    TimedOut = 1,
    // The target's name gave no IPv4 address.
    HostUnknown = 2,
    // The system refused an ICMP socket (no permission).
    SocketDenied = 3,
    // No ICMP socket could be made (no IPv4 stack, no address, no service).
    SocketUnavailable = 4,
    // The request could not be sent.
    SendFailed = 5,
    // The system reports the target unreachable.
    Unreachable = 6,
};

inline bool ok(EchoCode code) {
    return code == EchoCode::Ok;
}

// The failure is the ICMP socket itself, not the target.
inline bool isSocketFailure(EchoCode code) {
    return code == EchoCode::SocketDenied || code == EchoCode::SocketUnavailable;
}

// The operator's text for a socket that cannot be opened; empty for other codes.
std::string textoFallaSocket(EchoCode code);

}  // namespace torva
