#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace torva::test {

// A relay on 127.0.0.1 in front of a server's control port that can lose its
// connections as a router that forgot an idle one does: nothing is closed
// while the line is quiet, and the client finds out only when it next sends,
// by a reset and no reply. Data connections go to the server directly.
class LosingRelay {
  public:
    explicit LosingRelay(int serverPort);
    ~LosingRelay();
    LosingRelay(const LosingRelay&) = delete;
    LosingRelay& operator=(const LosingRelay&) = delete;

    int port() const { return port_; }
    // The connections relayed now are lost at the next bytes of the client;
    // later ones are relayed as usual.
    void loseOpenConnections() { losing_.store(accepted_.load()); }

  private:
    void run();

    int serverPort_;
    // Sockets, as the system's handle type does not fit an int everywhere.
    std::intptr_t listener_ = -1;
    std::intptr_t wake_[2] = {-1, -1};  // the stop signal: read end, write end
    int port_ = 0;
    std::atomic<int> accepted_{0};
    std::atomic<int> losing_{0};  // connections numbered below are lost
    std::thread thread_;
};

}  // namespace torva::test
