#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace torva::test {

// A real FTP server on 127.0.0.1 in a child process (tools/ftp_server.py on
// pyftpdlib), for tests and benchmarks. Started by the constructor; stopped by
// stop() or the destructor.
class FtpServer {
  public:
    struct Options {
        std::string root;  // directory served as the login directory
        std::string user = "usuario1234";
        std::string password = "secreto";
        std::string mode = "normal";  // a mode of tools/ftp_server.py: "silent", "cut", ...
        int port = 0;                 // 0: any free port
        std::vector<std::string> extraArgs;
        std::string script;  // another server script taking the same arguments
    };

    explicit FtpServer(Options options);
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    int port() const { return port_; }
    std::string portText() const { return std::to_string(port_); }
    const Options& options() const { return options_; }
    bool running() const { return pipe_ != nullptr || live_; }

    // Stops the server and waits until its process has ended.
    void stop();
    // Starts it again on the same port.
    void restart();

  private:
    void start();

    Options options_;
    std::string stopFile_;
    std::FILE* pipe_ = nullptr;  // the server's output, where a shell starts it
    bool live_ = false;          // started without a shell, and not yet stopped
    int port_ = 0;
};

}  // namespace torva::test
