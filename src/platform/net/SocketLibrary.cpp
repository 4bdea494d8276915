#include "platform/net/SocketLibrary.h"

#ifdef _WIN32
#include <winsock2.h>
#endif

namespace torva {

#ifdef _WIN32
SocketLibrary::SocketLibrary() {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
}

SocketLibrary::~SocketLibrary() {
    ::WSACleanup();
}
#else
SocketLibrary::SocketLibrary() = default;

SocketLibrary::~SocketLibrary() = default;
#endif

}  // namespace torva
