#include <cerrno>

#include "nettest/icmp/SystemEcho.h"

namespace torva {

EchoCode echoCodeForSocketError(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return EchoCode::SocketDenied;
        default:
            return EchoCode::SocketUnavailable;
    }
}

}  // namespace torva
