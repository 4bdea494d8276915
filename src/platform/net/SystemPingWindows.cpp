// The Windows echo: the system's ICMP API.

// winsock2.h before windows.h; icmpapi.h needs the IP helper types.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <iphlpapi.h>

#include <icmpapi.h>
#include <vector>

#include "platform/net/EchoPacket.h"
#include "platform/net/SystemPing.h"

namespace torva {
namespace {

class IcmpHandle {
  public:
    IcmpHandle() : handle_(::IcmpCreateFile()) {}
    ~IcmpHandle() {
        if (valid()) {
            ::IcmpCloseHandle(handle_);
        }
    }
    IcmpHandle(const IcmpHandle&) = delete;
    IcmpHandle& operator=(const IcmpHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

PingStatus statusCode(unsigned long status) {
    switch (status) {
        case IP_SUCCESS:
            return PingStatus::Ok;
        case IP_REQ_TIMED_OUT:
            return PingStatus::TimedOut;
        case IP_DEST_NET_UNREACHABLE:
        case IP_DEST_HOST_UNREACHABLE:
        case IP_DEST_PROT_UNREACHABLE:
        case IP_DEST_PORT_UNREACHABLE:
        case IP_BAD_DESTINATION:
            return PingStatus::Unreachable;
        case IP_NO_RESOURCES:
            return PingStatus::SocketUnavailable;
        default:
            return PingStatus::SendFailed;
    }
}

}  // namespace

SystemPing::SystemPing() : nextIdentifier_(0) {}

PingStatus SystemPing::check() {
    const IcmpHandle handle;
    return handle.valid() ? PingStatus::Ok : pingStatusForSocketError(0);
}

PingReply SystemPing::echo(const std::string& address, std::uint16_t /*sequence*/, int timeoutMs,
                           bool dontFragment) {
    in_addr to{};
    if (::inet_pton(AF_INET, address.c_str(), &to) != 1) {
        return {PingStatus::NotAnAddress, 0, 0};
    }
    const IcmpHandle handle;
    if (!handle.valid()) {
        return {PingStatus::SocketUnavailable, 0, 0};
    }
    // The same 32 data bytes as the POSIX request; the system adds the header.
    const auto packet = echoRequest(0, 0);
    std::vector<unsigned char> data(packet.end() - kEchoPacketDataBytes, packet.end());
    IP_OPTION_INFORMATION options{};
    options.Ttl = 128;
    options.Flags = dontFragment ? IP_FLAG_DF : 0;
    std::vector<unsigned char> reply(sizeof(ICMP_ECHO_REPLY) + kEchoPacketDataBytes + 8 + 64);
    const DWORD count =
        ::IcmpSendEcho2(handle.get(), nullptr, nullptr, nullptr, to.s_addr, data.data(),
                        static_cast<WORD>(data.size()), &options, reply.data(),
                        static_cast<DWORD>(reply.size()), static_cast<DWORD>(timeoutMs));
    if (count == 0) {
        const DWORD error = ::GetLastError();
        return {error == IP_REQ_TIMED_OUT ? PingStatus::TimedOut : statusCode(error), 0, 0};
    }
    const auto* answer = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply.data());
    const PingStatus code = statusCode(answer->Status);
    if (code != PingStatus::Ok) {
        return {code, 0, 0};
    }
    return {PingStatus::Ok, answer->DataSize, static_cast<std::int32_t>(answer->RoundTripTime)};
}

}  // namespace torva
