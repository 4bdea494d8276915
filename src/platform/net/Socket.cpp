#include "platform/net/Socket.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace torva {
namespace {

#ifdef _WIN32
int pollOne(NativeSocket socket, int ms) {
    WSAPOLLFD p{};
    p.fd = socket;
    p.events = POLLIN;
    return WSAPoll(&p, 1, ms);
}
constexpr int kNoSignal = 0;
constexpr int kShutBoth = SD_BOTH;

// Winsock counts in int.
int count(std::size_t size) {
    constexpr std::size_t kMost = 1U << 30;
    return static_cast<int>(size > kMost ? kMost : size);
}
#else
int pollOne(NativeSocket socket, int ms) {
    pollfd p{};
    p.fd = socket;
    p.events = POLLIN;
    return ::poll(&p, 1, ms);
}
constexpr int kNoSignal = MSG_NOSIGNAL;
constexpr int kShutBoth = SHUT_RDWR;

std::size_t count(std::size_t size) {
    return size;
}
#endif

}  // namespace

SocketWait waitToRead(NativeSocket socket, std::chrono::milliseconds timeout) {
    const int r = pollOne(socket, static_cast<int>(timeout.count()));
    return r > 0 ? SocketWait::Ready : r == 0 ? SocketWait::TimedOut : SocketWait::Failed;
}

std::ptrdiff_t receive(NativeSocket socket, char* buffer, std::size_t size) {
    return ::recv(socket, buffer, count(size), 0);
}

std::ptrdiff_t peek(NativeSocket socket, char* buffer, std::size_t size) {
    return ::recv(socket, buffer, count(size), MSG_PEEK);
}

std::ptrdiff_t sendSome(NativeSocket socket, const char* data, std::size_t size) {
    return ::send(socket, data, count(size), kNoSignal);
}

void shutDownSocket(NativeSocket socket) {
    ::shutdown(socket, kShutBoth);
}

void closeSocket(NativeSocket socket) {
#ifdef _WIN32
    ::closesocket(socket);
#else
    ::close(socket);
#endif
}

}  // namespace torva
