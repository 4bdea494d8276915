#include "LosingRelay.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif
#include <cstdint>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace torva::test {
namespace {

#ifdef _WIN32
using Socket = SOCKET;
using PollFd = WSAPOLLFD;
constexpr Socket kNoSocket = INVALID_SOCKET;
constexpr int kSendFlags = 0;
using Length = int;
void closeSocket(Socket s) {
    ::closesocket(s);
}
int pollAll(std::vector<PollFd>& fds) {
    return ::WSAPoll(fds.data(), static_cast<ULONG>(fds.size()), -1);
}
Socket newSocket() {
    return ::socket(AF_INET, SOCK_STREAM, 0);
}
Socket acceptOne(Socket listener) {
    return ::accept(listener, nullptr, nullptr);
}
// Winsock is counted: each start has its cleanup.
struct Winsock {
    Winsock() {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { ::WSACleanup(); }
};
#else
using Socket = int;
using PollFd = pollfd;
constexpr Socket kNoSocket = -1;
constexpr int kSendFlags = MSG_NOSIGNAL;
using Length = std::size_t;
void closeSocket(Socket s) {
    ::close(s);
}
int pollAll(std::vector<PollFd>& fds) {
    return ::poll(fds.data(), fds.size(), -1);
}
Socket newSocket() {
    return ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
}
Socket acceptOne(Socket listener) {
    return ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
}
struct Winsock {};
#endif

Socket sock(std::intptr_t s) {
    return static_cast<Socket>(s);
}

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool connectTo(Socket s, int port) {
    const sockaddr_in address = loopback(port);
    return ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Closes with a reset, as a connection the other end has forgotten answers.
void reset(Socket s) {
    linger hard{1, 0};
    ::setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof hard);
    closeSocket(s);
}

// Moves what `from` has to `to`; false when either side is done.
bool relay(Socket from, Socket to) {
    char buffer[4096];
    const auto n = ::recv(from, buffer, sizeof buffer, 0);
    return n > 0 && ::send(to, buffer, static_cast<Length>(n), kSendFlags) == n;
}

struct Pair {
    Socket client = kNoSocket;
    Socket server = kNoSocket;
    int number = 0;
};

}  // namespace

LosingRelay::LosingRelay(int serverPort) : serverPort_(serverPort) {
    [[maybe_unused]] static const Winsock winsock;
    const Socket listener = newSocket();
    listener_ = static_cast<std::intptr_t>(listener);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listener == kNoSocket ||
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 8) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("relay: no listening socket");
    }
    port_ = ntohs(address.sin_port);
    // The stop signal is a connection of the relay's own, made before it runs.
    const Socket wakeWrite = newSocket();
    if (wakeWrite == kNoSocket || !connectTo(wakeWrite, port_)) {
        throw std::runtime_error("relay: no wake-up connection");
    }
    wake_[1] = static_cast<std::intptr_t>(wakeWrite);
    wake_[0] = static_cast<std::intptr_t>(acceptOne(listener));
    thread_ = std::thread([this] { run(); });
}

LosingRelay::~LosingRelay() {
    const char stop = 's';
    ::send(sock(wake_[1]), &stop, 1, kSendFlags);
    thread_.join();
    closeSocket(sock(listener_));
    closeSocket(sock(wake_[0]));
    closeSocket(sock(wake_[1]));
}

void LosingRelay::run() {
    const Socket listener = sock(listener_);
    std::vector<Pair> pairs;
    for (;;) {
        std::vector<PollFd> fds{{sock(wake_[0]), POLLIN, 0}, {listener, POLLIN, 0}};
        for (const Pair& p : pairs) {
            fds.push_back({p.client, POLLIN, 0});
            fds.push_back({p.server, POLLIN, 0});
        }
        if (pollAll(fds) < 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            break;
        }
        const std::size_t polled = pairs.size();
        if (fds[1].revents & POLLIN) {
            Pair p;
            p.client = acceptOne(listener);
            p.server = newSocket();
            if (p.client != kNoSocket && p.server != kNoSocket &&
                connectTo(p.server, serverPort_)) {
                p.number = accepted_++;
                pairs.push_back(p);
            } else {
                closeSocket(p.client);
                closeSocket(p.server);
            }
        }
        std::vector<Pair> kept;
        for (std::size_t i = polled; i < pairs.size(); ++i) {
            kept.push_back(pairs[i]);
        }
        for (std::size_t i = 0; i < polled; ++i) {
            const Pair& p = pairs[i];
            const short fromClient = fds[2 + 2 * i].revents;
            const short fromServer = fds[3 + 2 * i].revents;
            bool open = true;
            if (fromClient != 0 && p.number < losing_.load()) {
                reset(p.client);
                reset(p.server);
                continue;
            }
            for (const auto& [ready, from, to] : {std::tuple{fromClient, p.client, p.server},
                                                  std::tuple{fromServer, p.server, p.client}}) {
                if (open && ready != 0) {
                    open = relay(from, to);
                }
            }
            if (open) {
                kept.push_back(p);
            } else {
                closeSocket(p.client);
                closeSocket(p.server);
            }
        }
        pairs = std::move(kept);
    }
    for (const Pair& p : pairs) {
        closeSocket(p.client);
        closeSocket(p.server);
    }
}

}  // namespace torva::test
