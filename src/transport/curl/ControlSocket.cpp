#include "transport/curl/ControlSocket.h"

#include <string>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace torva {
namespace {

using Clock = std::chrono::steady_clock;

#ifdef _WIN32
int pollOne(curl_socket_t s, short events, int ms, short& revents) {
    WSAPOLLFD p{};
    p.fd = s;
    p.events = events;
    const int r = WSAPoll(&p, 1, ms);
    revents = p.revents;
    return r;
}
constexpr int kNoSignal = 0;
constexpr int kShutBoth = SD_BOTH;
#else
int pollOne(curl_socket_t s, short events, int ms, short& revents) {
    pollfd p{};
    p.fd = s;
    p.events = events;
    const int r = ::poll(&p, 1, ms);
    revents = p.revents;
    return r;
}
constexpr int kNoSignal = MSG_NOSIGNAL;
constexpr int kShutBoth = SHUT_RDWR;
#endif

// The code of the final reply line in text ("221 Bye\r\n"), 0 while the
// reply is incomplete.
int finalReplyCode(const std::string& text) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            return 0;
        }
        const std::string line = text.substr(start, end - start);
        if (line.size() >= 4 && line[3] == ' ' && line[0] >= '1' && line[0] <= '5') {
            return std::stoi(line.substr(0, 3));
        }
        start = end + 1;
    }
}

}  // namespace

bool serverClosedControl(curl_socket_t socket) {
    if (socket == CURL_SOCKET_BAD) {
        return false;
    }
    short revents = 0;
    return pollOne(socket, POLLIN, 0, revents) != 0;
}

bool serverLeftControl(curl_socket_t socket, std::chrono::milliseconds wait) {
    short revents = 0;
    if (pollOne(socket, POLLIN, static_cast<int>(wait.count()), revents) <= 0) {
        return false;
    }
    char head[3];
    const auto n = ::recv(socket, head, sizeof head, MSG_PEEK);
    return n <= 0 || (n == 3 && std::string(head, 3) == "421");
}

void closeSocket(curl_socket_t socket) {
#ifdef _WIN32
    ::closesocket(socket);
#else
    ::close(socket);
#endif
}

FtpCode quitControl(curl_socket_t socket, std::chrono::milliseconds bound) {
    static constexpr char kQuit[] = "QUIT\r\n";
    if (::send(socket, kQuit, sizeof kQuit - 1, kNoSignal) != static_cast<int>(sizeof kQuit - 1)) {
        return ftp::kConnectionClosed;
    }
    const auto deadline = Clock::now() + bound;
    std::string reply;
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        short revents = 0;
        if (left.count() <= 0 ||
            pollOne(socket, POLLIN, static_cast<int>(left.count()), revents) <= 0) {
            return ftp::kServerUnavailable;
        }
        char buffer[512];
        const auto n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return ftp::kConnectionClosed;
        }
        reply.append(buffer, static_cast<std::size_t>(n));
        if (const int code = finalReplyCode(reply); code != 0) {
            return code / 100 == 2 ? ftp::kOk : ftp::kUnexpectedReply;
        }
        if (reply.size() > 64 * 1024) {
            return ftp::kUnexpectedReply;
        }
    }
}

void shutDownControl(curl_socket_t socket) {
    if (socket != CURL_SOCKET_BAD) {
        ::shutdown(socket, kShutBoth);
    }
}

}  // namespace torva
