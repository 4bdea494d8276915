#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

// Calls on a connected socket that another library opened (libcurl's control
// connection), the same on Winsock and on POSIX.
namespace torva {

// The system's handle of a socket: a SOCKET on Windows, a descriptor on POSIX.
#ifdef _WIN32
using NativeSocket = std::uintptr_t;
#else
using NativeSocket = int;
#endif

enum class SocketWait {
    // Something to read: data, the peer's end of the connection, or an error.
    Ready,
    TimedOut,
    Failed,
};

// Waits at most `timeout` (0: not at all) for something to read.
SocketWait waitToRead(NativeSocket socket, std::chrono::milliseconds timeout);

// Reads at most `size` bytes: their number, 0 when the peer closed its end,
// negative on failure.
std::ptrdiff_t receive(NativeSocket socket, char* buffer, std::size_t size);

// As receive, leaving the bytes to be read again.
std::ptrdiff_t peek(NativeSocket socket, char* buffer, std::size_t size);

// Sends at most `size` bytes, without a signal when the peer has gone: the
// number sent, negative on failure.
std::ptrdiff_t sendSome(NativeSocket socket, const char* data, std::size_t size);

// Ends both directions at once; the handle stays open.
void shutDownSocket(NativeSocket socket);

void closeSocket(NativeSocket socket);

}  // namespace torva
