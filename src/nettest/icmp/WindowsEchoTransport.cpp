// The Windows echo: the system's ICMP API.
#ifdef _WIN32

// winsock2.h before windows.h; icmpapi.h needs the IP helper types.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <iphlpapi.h>

#include <icmpapi.h>
#include <vector>

#include "nettest/icmp/EchoPacket.h"
#include "nettest/icmp/SystemEcho.h"

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

EchoCode statusCode(unsigned long status) {
    switch (status) {
        case IP_SUCCESS:
            return EchoCode::Ok;
        case IP_REQ_TIMED_OUT:
            return EchoCode::TimedOut;
        case IP_DEST_NET_UNREACHABLE:
        case IP_DEST_HOST_UNREACHABLE:
        case IP_DEST_PROT_UNREACHABLE:
        case IP_DEST_PORT_UNREACHABLE:
        case IP_BAD_DESTINATION:
            return EchoCode::Unreachable;
        case IP_NO_RESOURCES:
            return EchoCode::SocketUnavailable;
        default:
            return EchoCode::SendFailed;
    }
}

}  // namespace

SystemEchoTransport::SystemEchoTransport() : nextIdentifier_(0) {}

SystemEchoTransport::~SystemEchoTransport() = default;

EchoCode SystemEchoTransport::check() {
    const IcmpHandle handle;
    return handle.valid() ? EchoCode::Ok : echoCodeForSocketError(0);
}

EchoOutcome SystemEchoTransport::echo(const std::string& address, std::uint16_t /*sequence*/,
                                      int timeoutMs, bool dontFragment) {
    in_addr to{};
    if (::inet_pton(AF_INET, address.c_str(), &to) != 1) {
        return {EchoCode::HostUnknown, 0, 0, {}};
    }
    const IcmpHandle handle;
    if (!handle.valid()) {
        return {EchoCode::SocketUnavailable, 0, 0, {}};
    }
    // The same 32 data bytes as the POSIX request; the system adds the header.
    const auto packet = echoRequest(0, 0);
    std::vector<unsigned char> data(packet.end() - kEchoDataBytes, packet.end());
    IP_OPTION_INFORMATION options{};
    options.Ttl = 128;
    options.Flags = dontFragment ? IP_FLAG_DF : 0;
    std::vector<unsigned char> reply(sizeof(ICMP_ECHO_REPLY) + kEchoDataBytes + 8 + 64);
    const DWORD count =
        ::IcmpSendEcho2(handle.get(), nullptr, nullptr, nullptr, to.s_addr, data.data(),
                        static_cast<WORD>(data.size()), &options, reply.data(),
                        static_cast<DWORD>(reply.size()), static_cast<DWORD>(timeoutMs));
    if (count == 0) {
        const DWORD error = ::GetLastError();
        return {error == IP_REQ_TIMED_OUT ? EchoCode::TimedOut : statusCode(error), 0, 0, {}};
    }
    const auto* answer = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply.data());
    const EchoCode code = statusCode(answer->Status);
    if (!ok(code)) {
        return {code, 0, 0, {}};
    }
    return {EchoCode::Ok, answer->DataSize, static_cast<std::int32_t>(answer->RoundTripTime), {}};
}

}  // namespace torva

#endif
