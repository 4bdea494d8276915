#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "nettest/EchoCodes.h"

namespace torva {

// Data bytes of every echo request.
inline constexpr std::uint16_t kEchoDataBytes = 32;

struct EchoOutcome {
    EchoCode code = EchoCode::Ok;
    // Data bytes in the reply.
    std::uint16_t bytes = 0;
    // From request to reply.
    std::int32_t milliseconds = 0;
    // The target's address as resolved for this request; empty if it was not.
    std::string address;
};

// The system's ICMP echo: one request, waited for. Called from any thread,
// several at a time; each call uses its own socket.
class EchoTransport {
  public:
    virtual ~EchoTransport() = default;
    // Opens an ICMP socket and closes it again: Ok, or why it cannot be had.
    virtual EchoCode check() = 0;
    // One request with 32 data bytes to a dotted IPv4 address; returns when
    // answered, failed or after timeoutMs.
    virtual EchoOutcome echo(const std::string& address, std::uint16_t sequence, int timeoutMs,
                             bool dontFragment) = 0;
};

// Host name to a dotted IPv4 address. Called from any thread.
class NameResolver {
  public:
    virtual ~NameResolver() = default;
    virtual std::optional<std::string> resolve(const std::string& host) = 0;
};

// Stands in until the program wires in the system's echo.
class UnavailableEcho final : public EchoTransport, public NameResolver {
  public:
    EchoCode check() override { return EchoCode::SocketUnavailable; }
    EchoOutcome echo(const std::string&, std::uint16_t, int, bool) override {
        return {EchoCode::SocketUnavailable, 0, 0, {}};
    }
    std::optional<std::string> resolve(const std::string&) override { return std::nullopt; }
};

}  // namespace torva
