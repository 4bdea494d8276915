// The part of SystemPing that both systems share.
#include "platform/net/SystemPing.h"

#include <cerrno>

namespace torva {

PingStatus pingStatusForSocketError(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return PingStatus::SocketDenied;
        default:
            return PingStatus::SocketUnavailable;
    }
}

}  // namespace torva
