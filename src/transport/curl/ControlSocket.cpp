#include "transport/curl/ControlSocket.h"

#include <string>
#include <type_traits>

#include "platform/net/Socket.h"

namespace torva {
namespace {

using Clock = std::chrono::steady_clock;

static_assert(std::is_same_v<curl_socket_t, NativeSocket>);

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
    return waitToRead(socket, std::chrono::milliseconds(0)) != SocketWait::TimedOut;
}

bool serverLeftControl(curl_socket_t socket, std::chrono::milliseconds wait) {
    if (waitToRead(socket, wait) != SocketWait::Ready) {
        return false;
    }
    char head[3];
    const auto n = peek(socket, head, sizeof head);
    return n <= 0 || (n == 3 && std::string(head, 3) == "421");
}

FtpCode quitControl(curl_socket_t socket, std::chrono::milliseconds bound) {
    static constexpr char kQuit[] = "QUIT\r\n";
    if (sendSome(socket, kQuit, sizeof kQuit - 1) !=
        static_cast<std::ptrdiff_t>(sizeof kQuit - 1)) {
        return ftp::kConnectionClosed;
    }
    const auto deadline = Clock::now() + bound;
    std::string reply;
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || waitToRead(socket, left) != SocketWait::Ready) {
            return ftp::kServerUnavailable;
        }
        char buffer[512];
        const auto n = receive(socket, buffer, sizeof buffer);
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
        shutDownSocket(socket);
    }
}

}  // namespace torva
