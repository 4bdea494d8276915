#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace torva {

// What became of one echo request, or why none went out.
enum class PingStatus {
    Ok,
    // No reply in time.
    TimedOut,
    // The target is not a dotted IPv4 address.
    NotAnAddress,
    // The system refused an ICMP socket (no permission).
    SocketDenied,
    // No ICMP socket could be made (no IPv4 stack, no address, no service).
    SocketUnavailable,
    // The request could not be sent.
    SendFailed,
    // The system reports the target unreachable.
    Unreachable,
};

struct PingReply {
    PingStatus status = PingStatus::Ok;
    // Data bytes in the reply.
    std::uint16_t bytes = 0;
    // From request to reply.
    std::int32_t milliseconds = 0;
};

// ICMP echo over the system: on POSIX a datagram ICMP socket, or a raw one
// where datagram sockets are not allowed; on Windows the ICMP API. Called
// from any thread, several at a time; each request uses its own socket.
class SystemPing {
  public:
    SystemPing();
    SystemPing(const SystemPing&) = delete;
    SystemPing& operator=(const SystemPing&) = delete;

    // Opens an ICMP socket and closes it again: Ok, or why it cannot be had.
    PingStatus check();
    // One request with the data bytes of echoRequest to a dotted IPv4
    // address; returns when answered, failed or after timeoutMs.
    PingReply echo(const std::string& address, std::uint16_t sequence, int timeoutMs,
                   bool dontFragment);

  private:
    // Identifiers of requests on raw sockets, which see every reply.
    std::atomic<std::uint16_t> nextIdentifier_;
};

// The failure for the error number of an ICMP socket that could not be made.
PingStatus pingStatusForSocketError(int error);

}  // namespace torva
