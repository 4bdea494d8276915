#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "nettest/EchoTransport.h"
#include "platform/net/SocketLibrary.h"
#include "platform/net/SystemPing.h"

namespace torva {

// The echo over the system's ICMP (SystemPing).
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
    SystemPing ping_;
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

  private:
    SocketLibrary library_;
};

}  // namespace torva
