#pragma once

// A broker's office for the benchmarks: a profile's configuration, its send
// and receive folders and the service's folders on a local FTP server.
#include <memory>
#include <string>
#include <vector>

#include "support/FtpServer.h"
#include "support/TempDir.h"

namespace torva::bench {

inline constexpr int kDay = 343;  // 9 December 2026, the clock of every run

struct Office {
    explicit Office(std::vector<std::string> serverArgs = {});

    test::TempDir remote;
    test::TempDir local;
    std::string send;
    std::string receive;
    std::string pend;
    std::unique_ptr<test::FtpServer> server;

    // The validation files of the day: letters m and b, folios 000 to 999.
    std::vector<std::string> newFiles(int count) const;
    // Pending markers (b files) of which every step-th has its response on the server.
    std::vector<std::string> markers(int count, int step) const;
    // The answered markers put back, and their fetched responses and the
    // day's log taken out of the receive folder, for another run of the same
    // search.
    void reanswer(int count, int step) const;
    // Entries of the day's log read back at the window's load.
    void preloadLog(int entries) const;
    // Empty older files in a folder (the receive folder, or a peer's).
    void fillOlder(const std::string& folder, int count) const;
    std::string lftpOpen() const;
    std::string curlBase() const;
};

}  // namespace torva::bench
