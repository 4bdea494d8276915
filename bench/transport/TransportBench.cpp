// Times one FTP session of the client against a local server: 500 small
// uploads and 500 downloads of absent responses, as a busy day's passes do,
// and the curl command line doing the same over one connection.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "support/FtpServer.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"

namespace {

constexpr int kFiles = 500;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string fileName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "m1234%03d.123", i % 1000);
    return name;
}

std::string responseName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "m1234%03d.err", i % 1000);
    return name;
}

}  // namespace

int main() {
    using namespace torva;
    test::TempDir remote;
    test::TempDir local;
    makeDirectory(remote.path() + "/REC");
    makeDirectory(remote.path() + "/ENV");
    for (int i = 0; i < kFiles; ++i) {
        test::writeBytes(local.file(fileName(i)), "501|" + fileName(i) + "\r\n801|firma\r\n");
    }
    test::FtpServer::Options options;
    options.root = remote.path();
    test::FtpServer server(options);

    CurlFtpClient client;
    FtpSettings& s = client.settings();
    s.ServerHost = "127.0.0.1";
    s.ServerPort = server.portText();
    s.UserName = options.user;
    s.UserPassword = options.password;
    s.PassiveMode = 1;

    const auto start = Clock::now();
    if (!ok(client.Connect())) {
        std::fprintf(stderr, "cannot connect to the local server\n");
        return 1;
    }
    int failures = 0;
    for (int i = 0; i < kFiles; ++i) {
        failures += client.UploadFile(local.file(fileName(i)), "REC/" + fileName(i)) != ftp::kOk;
    }
    const double uploads = secondsSince(start);
    int absent = 0;
    for (int i = 0; i < kFiles; ++i) {
        absent +=
            client.DownloadFile(local.file(responseName(i)), "ENV/" + responseName(i)) != ftp::kOk;
    }
    client.Disconnect();
    const double ours = secondsSince(start);

    // The same work for curl: uploads, then downloads, each one invocation
    // over one connection. (Mixed in one invocation, curl leaves an unused
    // data connection after each absent file and slows to a crawl.)
    const std::string base = "ftp://127.0.0.1:" + server.portText() + "/";
    const std::string upConfig = local.file("curl-up.cfg");
    const std::string downConfig = local.file("curl-down.cfg");
    {
        std::ofstream up(upConfig);
        std::ofstream down(downConfig);
        for (std::ofstream* out : {&up, &down}) {
            *out << "silent\nuser = \"" << options.user << ":" << options.password << "\"\n";
        }
        for (int i = 0; i < kFiles; ++i) {
            up << "upload-file = \"" << local.file(fileName(i)) << "\"\n";
            up << "url = \"" << base << "REC/curl-" << fileName(i) << "\"\n";
            down << "url = \"" << base << "ENV/" << responseName(i) << "\"\n";
            down << "output = \"" << local.file("curl-" + responseName(i)) << "\"\n";
        }
    }
    const std::string upCommand = "curl -K '" + upConfig + "'";
    const std::string downCommand = "curl -K '" + downConfig + "'";
    auto curlStart = Clock::now();
    const int upStatus = std::system(upCommand.c_str());
    const double curlUploads = secondsSince(curlStart);
    curlStart = Clock::now();
    const int downStatus = std::system((downCommand + " 2>/dev/null").c_str());
    const double curlDownloads = secondsSince(curlStart);

    std::printf("%d uploads and %d absent downloads\n", kFiles, kFiles);
    std::printf(
        "  torvaval client, one session: %.2f s (uploads %.2f s, downloads %.2f s); "
        "%d upload failures, %d absent\n",
        ours, uploads, ours - uploads, failures, absent);
    std::printf("  curl: %.2f s (uploads %.2f s, status %d: %s; downloads %.2f s, status %d: %s)\n",
                curlUploads + curlDownloads, curlUploads, upStatus, upCommand.c_str(),
                curlDownloads, downStatus, downCommand.c_str());
    return failures == 0 && absent == kFiles ? 0 : 1;
}
