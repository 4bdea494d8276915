#include "support/FtpServer.h"

#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>

#include "platform/FileSystem.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace torva::test {
namespace {

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

#ifdef _WIN32
namespace {

// Under Wine the server is the host's Python, started without a shell: it
// takes the host's paths, and says its port in a file.
std::string hostPath(const std::string& path) {
    using ToUnix = char* (*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!toUnix) {
        return path;
    }
    char* unixPath = toUnix(toFsPath(path).c_str());
    if (!unixPath) {
        return path;
    }
    std::string out = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return out;
}

bool isWindowsPath(const std::string& arg) {
    return arg.size() > 2 && arg[1] == ':' && (arg[2] == '\\' || arg[2] == '/');
}

std::wstring commandLine(const std::vector<std::string>& args) {
    std::string line;
    for (const auto& arg : args) {
        line += (line.empty() ? "" : " ") + windowsQuoted(isWindowsPath(arg) ? hostPath(arg) : arg);
    }
    return toFsPath(line).wstring();
}

}  // namespace

void FtpServer::start() {
    stopFile_ = uniqueStopFile();
    const std::string portFile = stopFile_ + ".port";
    std::vector<std::string> args{
        TORVA_PYTHON,  options_.script, "--root",      options_.root,
        "--user",      options_.user,   "--password",  options_.password,
        "--mode",      options_.mode,   "--port",      std::to_string(options_.port),
        "--stop-file", stopFile_,       "--port-file", portFile};
    args.insert(args.end(), options_.extraArgs.begin(), options_.extraArgs.end());
    const std::wstring program = toFsPath("Z:" + std::string(TORVA_PYTHON)).wstring();
    std::wstring line = commandLine(args);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        throw std::runtime_error("cannot start the FTP server");
    }
    // Wine gives no handles for a program of the host, and a process of the
    // host could not be waited for through them: stop() waits for the server
    // to remove its stop file.
    for (const HANDLE handle : {info.hThread, info.hProcess}) {
        if (handle) {
            CloseHandle(handle);
        }
    }
    live_ = true;
    int port = 0;
    for (int waited = 0; waited < 200 && port == 0; ++waited) {
        std::error_code error;
        if (std::filesystem::exists(toFsPath(portFile), error) &&
            std::sscanf(readBytes(portFile).c_str(), "PORT %d", &port) == 1) {
            break;
        }
        port = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    removeFile(portFile);
    if (port == 0) {
        stop();
        throw std::runtime_error("the FTP server did not report its port");
    }
    port_ = port;
    options_.port = port;
}

void FtpServer::stop() {
    if (!live_) {
        return;
    }
    // The server removes the stop file once its port is closed.
    writeBytes(stopFile_, "stop");
    for (int waited = 0; waited < 400 && pathExists(stopFile_); ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    live_ = false;
    removeFile(stopFile_);
}
#else
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
#endif

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
