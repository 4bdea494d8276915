// Times one FTP session of the client against a local server in passive
// mode: the login, N small uploads, N downloads of the same files and N
// downloads of absent responses, as a busy day's passes do. Counts the
// transfers that took over 0.5 s (libcurl 7.88's one-second waits before a
// data connection), and times the curl command line's uploads and lftp over
// one connection, login included: mput of the same files, and mput then mget,
// each once before the session and once after. Prints each target with its
// figure and MET or MISSED, and exits 1 when one is missed or a transfer
// failed. N is the first argument (500 unless given).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/FtpServer.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kSlowSeconds = 0.5;
// The client's session may take this many times lftp's for the same transfers.
constexpr double kLftpFactor = 1.5;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string fileName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "m%04d%03d.123", i / 1000, i % 1000);
    return name;
}

std::string responseName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "m%04d%03d.err", i / 1000, i % 1000);
    return name;
}

// Times of single calls: total, slowest, and how many were slow.
struct Timings {
    double total = 0;
    double slowest = 0;
    int slow = 0;
    int failures = 0;

    template <typename Call>
    void time(Call&& call) {
        const auto start = Clock::now();
        failures += !torva::ok(call());
        const double s = secondsSince(start);
        total += s;
        slowest = std::max(slowest, s);
        slow += s > kSlowSeconds;
    }
    void print(const char* what, int n) const {
        std::printf("  %-22s %6.2f s for %d, slowest %.3f s, %d over %.1f s, %d failed\n", what,
                    total, n, slowest, slow, kSlowSeconds, failures);
    }
};

double runCommand(const std::string& command, int& status) {
    const auto start = Clock::now();
    status = std::system(command.c_str());
    return secondsSince(start);
}

// Prints a target, its figure and whether it was met.
bool target(const char* what, double ratio, double limit) {
    const bool met = ratio <= limit;
    std::printf("  target: %s within %.1fx: %.2fx %s\n", what, limit, ratio,
                met ? "MET" : "MISSED");
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace torva;
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    test::TempDir remote;
    test::TempDir local;
    for (const char* dir : {"/REC", "/ENV", "/CURL"}) {
        makeDirectory(remote.path() + dir);
    }
    const std::string sendDir = local.file("envio");
    const std::string receiveDir = local.file("recibe");
    makeDirectory(sendDir);
    makeDirectory(receiveDir);
    for (int i = 0; i < files; ++i) {
        test::writeBytes(sendDir + "/" + fileName(i),
                         "501|" + fileName(i) + "\r\n801|firma\r\n" + std::string(2000, 'x'));
    }
    test::FtpServer::Options options;
    options.root = remote.path();
    test::FtpServer server(options);

    // lftp over one connection, passive: mput of the same files, then, when
    // asked, mget of them back; run once before the client's session and once
    // after, so neither meets a fresher server.
    auto lftpRun = [&](const std::string& folder, bool thenGet, int& status) {
        const std::string script = local.file("lftp-" + folder + ".txt");
        const std::string getDir = local.file("lftp-" + folder);
        makeDirectory(remote.path() + "/" + folder);
        makeDirectory(getDir);
        {
            std::ofstream out(script);
            out << "set ftp:passive-mode on\nset net:max-retries 1\nset cmd:fail-exit yes\n";
            out << "open -u " << options.user << "," << options.password << " -p "
                << server.portText() << " 127.0.0.1\n";
            out << "lcd " << sendDir << "\nmput -O " << folder << " *.123\n";
            if (thenGet) {
                out << "mget -O " << getDir << " " << folder << "/*.123\n";
            }
            out << "quit\n";
        }
        return runCommand("lftp -f '" + script + "' >/dev/null", status);
    };
    int lftpStatus[4] = {};
    const double mputBefore = lftpRun("LFTP", false, lftpStatus[0]);
    const double mgetBefore = lftpRun("LFTPGET", true, lftpStatus[1]);

    CurlFtpClient client;
    FtpSettings& s = client.settings();
    s.ServerHost = "127.0.0.1";
    s.ServerPort = server.portText();
    s.UserName = options.user;
    s.UserPassword = options.password;
    s.PassiveMode = 1;

    const auto start = Clock::now();
    if (client.Connect() != ftp::kOk) {
        std::fprintf(stderr, "cannot connect to the local server\n");
        return 1;
    }
    const double login = secondsSince(start);
    Timings uploads;
    Timings downloads;
    Timings absent;
    for (int i = 0; i < files; ++i) {
        uploads.time(
            [&] { return client.UploadFile(sendDir + "/" + fileName(i), "REC/" + fileName(i)); });
    }
    for (int i = 0; i < files; ++i) {
        downloads.time([&] {
            return client.DownloadFile(receiveDir + "/" + fileName(i), "REC/" + fileName(i));
        });
    }
    for (int i = 0; i < files; ++i) {
        absent.time([&] {
            return client.DownloadFile(receiveDir + "/" + responseName(i),
                                       "ENV/" + responseName(i));
        });
    }
    const FtpCode absentCode =
        client.DownloadFile(receiveDir + "/" + responseName(0), "ENV/" + responseName(0));
    const FtpCode quit = client.Disconnect();
    const double ours = secondsSince(start);

    const double mputAfter = lftpRun("LFTP2", false, lftpStatus[2]);
    const double mgetAfter = lftpRun("LFTPGET2", true, lftpStatus[3]);

    // curl: the uploads, one invocation over one connection.
    const std::string base = "ftp://127.0.0.1:" + server.portText() + "/";
    const std::string curlConfig = local.file("curl-up.cfg");
    {
        std::ofstream up(curlConfig);
        up << "silent\nuser = \"" << options.user << ":" << options.password << "\"\n";
        for (int i = 0; i < files; ++i) {
            up << "upload-file = \"" << sendDir << "/" << fileName(i) << "\"\n";
            up << "url = \"" << base << "CURL/" << fileName(i) << "\"\n";
        }
    }
    int curlStatus = 0;
    const double curlUploads = runCommand("curl -K '" + curlConfig + "'", curlStatus);

    std::printf("%d uploads, %d downloads and %d absent downloads, passive mode\n", files, files,
                files);
    std::printf("  torvaval client, one session: %.2f s; absent file %d, QUIT %d\n", ours,
                codeNumber(absentCode), codeNumber(quit));
    uploads.print("uploads", files);
    downloads.print("downloads", files);
    absent.print("absent downloads", files);
    const int slow = uploads.slow + downloads.slow + absent.slow;
    std::printf("  transfers over %.1f s: %d of %d\n", kSlowSeconds, slow, 3 * files);
    std::printf("  curl uploads:  %6.2f s (status %d)\n", curlUploads, curlStatus);
    std::printf("  lftp mput:          %6.2f s before, %.2f s after (status %d, %d)\n", mputBefore,
                mputAfter, lftpStatus[0], lftpStatus[2]);
    std::printf("  lftp mput and mget: %6.2f s before, %.2f s after (status %d, %d)\n", mgetBefore,
                mgetAfter, lftpStatus[1], lftpStatus[3]);
    std::printf("  torvaval login %.3f s, login and uploads %.2f s, and downloads %.2f s\n", login,
                login + uploads.total, login + uploads.total + downloads.total);

    bool met = uploads.failures == 0 && downloads.failures == 0 && absent.failures == files;
    if (!met) {
        std::printf("  transfers failed\n");
    }
    if (std::count(std::begin(lftpStatus), std::end(lftpStatus), 0) != 4) {
        std::printf("  target: lftp did not run: MISSED\n");
        return 1;
    }
    met &= target("torvaval login + uploads / lftp mput",
                  2 * (login + uploads.total) / (mputBefore + mputAfter), kLftpFactor);
    met &= target("torvaval login + uploads + downloads / lftp mput + mget",
                  2 * (login + uploads.total + downloads.total) / (mgetBefore + mgetAfter),
                  kLftpFactor);
    return met ? 0 : 1;
}
