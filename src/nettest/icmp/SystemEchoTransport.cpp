#include "nettest/icmp/SystemEcho.h"

#include "platform/net/EchoPacket.h"

namespace torva {
namespace {

static_assert(kEchoPacketDataBytes == kEchoDataBytes);

EchoCode echoCode(PingStatus status) {
    switch (status) {
        case PingStatus::Ok:
            return EchoCode::Ok;
        case PingStatus::TimedOut:
            return EchoCode::TimedOut;
        case PingStatus::NotAnAddress:
            return EchoCode::HostUnknown;
        case PingStatus::SocketDenied:
            return EchoCode::SocketDenied;
        case PingStatus::SocketUnavailable:
            return EchoCode::SocketUnavailable;
        case PingStatus::Unreachable:
            return EchoCode::Unreachable;
        case PingStatus::SendFailed:
            break;
    }
    return EchoCode::SendFailed;
}

}  // namespace

SystemEchoTransport::SystemEchoTransport() = default;

SystemEchoTransport::~SystemEchoTransport() = default;

EchoCode SystemEchoTransport::check() {
    return echoCode(ping_.check());
}

EchoOutcome SystemEchoTransport::echo(const std::string& address, std::uint16_t sequence,
                                      int timeoutMs, bool dontFragment) {
    const PingReply reply = ping_.echo(address, sequence, timeoutMs, dontFragment);
    return {echoCode(reply.status), reply.bytes, reply.milliseconds, {}};
}

}  // namespace torva
