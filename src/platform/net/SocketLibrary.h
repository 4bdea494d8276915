#pragma once

namespace torva {

// The system's socket library, held for the object's life: Winsock started
// and cleaned up on Windows; nothing to do on POSIX.
class SocketLibrary {
  public:
    SocketLibrary();
    ~SocketLibrary();
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;
};

}  // namespace torva
