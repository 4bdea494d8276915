#include "support/FtpServer.h"

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>

#include "platform/FileSystem.h"
#include "support/TempDir.h"

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace torva::test {
namespace {

std::string shellQuoted(const std::string& arg) {
#ifdef _WIN32
    return "\"" + arg + "\"";
#else
    std::string out = "'";
    for (const char c : arg) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
#endif
}

std::string uniqueStopFile() {
    std::random_device random;
    const auto dir = std::filesystem::temp_directory_path();
    return fromFsPath(
        dir / ("torva-ftp-stop-" + std::to_string(random()) + "-" + std::to_string(random())));
}

}  // namespace

FtpServer::FtpServer(Options options) : options_(std::move(options)) {
    if (options_.script.empty()) {
        options_.script = std::string(TORVA_SOURCE_DIR) + "/tools/ftp_server.py";
    }
    start();
}

FtpServer::~FtpServer() {
    stop();
}

void FtpServer::start() {
    stopFile_ = uniqueStopFile();
    std::string command =
        shellQuoted(TORVA_PYTHON) + " " + shellQuoted(options_.script) + " --root " +
        shellQuoted(options_.root) + " --user " + shellQuoted(options_.user) + " --password " +
        shellQuoted(options_.password) + " --mode " + shellQuoted(options_.mode) + " --port " +
        std::to_string(options_.port) + " --stop-file " + shellQuoted(stopFile_);
    for (const auto& arg : options_.extraArgs) {
        command += " " + shellQuoted(arg);
    }
    pipe_ = popen(command.c_str(), "r");
    if (!pipe_) {
        throw std::runtime_error("cannot start the FTP server");
    }
    char line[128] = {};
    int port = 0;
    if (!std::fgets(line, sizeof line, pipe_) || std::sscanf(line, "PORT %d", &port) != 1) {
        stop();
        throw std::runtime_error("the FTP server did not report its port");
    }
    port_ = port;
    options_.port = port;
}

void FtpServer::stop() {
    if (!pipe_) {
        return;
    }
    writeBytes(stopFile_, "stop");
    pclose(pipe_);  // waits for the process to end
    pipe_ = nullptr;
    removeFile(stopFile_);
}

void FtpServer::restart() {
    stop();
    // The port may stay busy for a moment after the old process ends.
    for (int attempt = 0;; ++attempt) {
        try {
            start();
            return;
        } catch (const std::runtime_error&) {
            if (attempt >= 20) {
                throw;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
}

}  // namespace torva::test
