#include "LosingRelay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cstdint>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace torva::test {
namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Closes with a reset, as a connection the other end has forgotten answers.
void reset(int fd) {
    linger hard{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    ::close(fd);
}

struct Pair {
    int client = -1;
    int server = -1;
    int number = 0;
};

}  // namespace

LosingRelay::LosingRelay(int serverPort) : serverPort_(serverPort) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::pipe(wake_) != 0 ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("relay: no listening socket");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

LosingRelay::~LosingRelay() {
    const char stop = 's';
    [[maybe_unused]] const auto n = ::write(wake_[1], &stop, 1);
    thread_.join();
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

void LosingRelay::run() {
    std::vector<Pair> pairs;
    for (;;) {
        std::vector<pollfd> fds{{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        for (const Pair& p : pairs) {
            fds.push_back({p.client, POLLIN, 0});
            fds.push_back({p.server, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            break;
        }
        const std::size_t polled = pairs.size();
        if (fds[1].revents & POLLIN) {
            Pair p;
            p.client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            p.server = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            const sockaddr_in server = loopback(serverPort_);
            if (p.client >= 0 && p.server >= 0 &&
                ::connect(p.server, reinterpret_cast<const sockaddr*>(&server), sizeof server) ==
                    0) {
                p.number = accepted_++;
                pairs.push_back(p);
            } else {
                ::close(p.client);
                ::close(p.server);
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
            char buffer[4096];
            for (const auto& [ready, from, to] : {std::tuple{fromClient, p.client, p.server},
                                                  std::tuple{fromServer, p.server, p.client}}) {
                if (open && ready != 0) {
                    const ssize_t n = ::read(from, buffer, sizeof buffer);
                    open = n > 0 && ::write(to, buffer, static_cast<std::size_t>(n)) == n;
                }
            }
            if (open) {
                kept.push_back(p);
            } else {
                ::close(p.client);
                ::close(p.server);
            }
        }
        pairs = std::move(kept);
    }
    for (const Pair& p : pairs) {
        ::close(p.client);
        ::close(p.server);
    }
}

}  // namespace torva::test
