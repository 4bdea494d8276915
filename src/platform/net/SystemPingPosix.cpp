// The POSIX echo: datagram ICMP sockets (Linux's unprivileged "ping"
// sockets), else raw ICMP sockets.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>

#include "platform/net/EchoPacket.h"
#include "platform/net/SystemPing.h"

namespace torva {
namespace {

using Clock = std::chrono::steady_clock;

class IcmpSocket {
  public:
    IcmpSocket() = default;
    ~IcmpSocket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    IcmpSocket(const IcmpSocket&) = delete;
    IcmpSocket& operator=(const IcmpSocket&) = delete;

    PingStatus open() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd_ >= 0) {
            return PingStatus::Ok;
        }
        const int datagramError = errno;
        fd_ = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd_ >= 0) {
            raw_ = true;
            return PingStatus::Ok;
        }
        // The raw socket's refusal says more when datagram sockets are off.
        const int rawError = errno;
        return pingStatusForSocketError(rawError == EPERM || rawError == EACCES ? rawError
                                                                                : datagramError);
    }
    int fd() const { return fd_; }
    bool raw() const { return raw_; }

  private:
    int fd_ = -1;
    bool raw_ = false;
};

PingStatus sendFailure(int error) {
    switch (error) {
        case ENETUNREACH:
        case EHOSTUNREACH:
            return PingStatus::Unreachable;
        case EADDRNOTAVAIL:
        case ENETDOWN:
            return PingStatus::SocketUnavailable;
        default:
            return PingStatus::SendFailed;
    }
}

}  // namespace

SystemPing::SystemPing() : nextIdentifier_(static_cast<std::uint16_t>(::getpid())) {}

PingStatus SystemPing::check() {
    IcmpSocket socket;
    return socket.open();
}

PingReply SystemPing::echo(const std::string& address, std::uint16_t sequence, int timeoutMs,
                           bool dontFragment) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    if (::inet_pton(AF_INET, address.c_str(), &to.sin_addr) != 1) {
        return {PingStatus::NotAnAddress, 0, 0};
    }
    IcmpSocket socket;
    if (const PingStatus code = socket.open(); code != PingStatus::Ok) {
        return {code, 0, 0};
    }
#ifdef IP_MTU_DISCOVER
    const int discover = dontFragment ? IP_PMTUDISC_DO : IP_PMTUDISC_DONT;
    ::setsockopt(socket.fd(), IPPROTO_IP, IP_MTU_DISCOVER, &discover, sizeof discover);
#else
    (void)dontFragment;
#endif
    // A datagram socket's identifier is its port, set and matched by the system.
    const std::uint16_t identifier = socket.raw() ? nextIdentifier_.fetch_add(1) : 0;
    const auto packet = echoRequest(identifier, sequence);
    const auto start = Clock::now();
    if (::sendto(socket.fd(), packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to),
                 sizeof to) < 0) {
        return {sendFailure(errno), 0, 0};
    }
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    unsigned char buffer[2048];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return {PingStatus::TimedOut, 0, 0};
        }
        pollfd wait{socket.fd(), POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return {PingStatus::TimedOut, 0, 0};
        }
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n = ::recvfrom(socket.fd(), buffer, sizeof buffer, 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return {sendFailure(errno), 0, 0};
        }
        const auto reply = parseEchoReply(buffer, static_cast<std::size_t>(n), socket.raw());
        if (!reply || from.sin_addr.s_addr != to.sin_addr.s_addr || reply->sequence != sequence ||
            (socket.raw() && reply->identifier != identifier)) {
            continue;  // another program's or an earlier request's packet
        }
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        const std::size_t bytes = reply->dataBytes > 0xFFFFU ? 0xFFFFU : reply->dataBytes;
        return {PingStatus::Ok, static_cast<std::uint16_t>(bytes),
                static_cast<std::int32_t>(elapsed)};
    }
}

}  // namespace torva
