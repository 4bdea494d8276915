#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "nettest/EchoTransport.h"

namespace torva {

// ICMP echo over the system: on POSIX a datagram ICMP socket, or a raw one
// where datagram sockets are not allowed; on Windows the ICMP API.
class SystemEchoTransport final : public EchoTransport {
  public:
    SystemEchoTransport();
    ~SystemEchoTransport() override;
    SystemEchoTransport(const SystemEchoTransport&) = delete;
    SystemEchoTransport& operator=(const SystemEchoTransport&) = delete;

    EchoCode check() override;
    EchoOutcome echo(const std::string& address, std::uint16_t sequence, int timeoutMs,
                     bool dontFragment) override;

  private:
    // Identifiers of requests on raw sockets, which see every reply.
    std::atomic<std::uint16_t> nextIdentifier_;
};

// Names through the system's resolver; a dotted IPv4 address is taken as it
// is, without asking anyone.
class SystemResolver final : public NameResolver {
  public:
    SystemResolver();
    ~SystemResolver() override;
    SystemResolver(const SystemResolver&) = delete;
    SystemResolver& operator=(const SystemResolver&) = delete;

    std::optional<std::string> resolve(const std::string& host) override;
};

// The failure for the error number of a socket that could not be made.
EchoCode echoCodeForSocketError(int error);

}  // namespace torva
