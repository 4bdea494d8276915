// Times one outgoing pass over a send folder of 2,000 files (1,000 already in
// the registry, 500 new ones of the patente, 500 of other patentes or
// letters) and one response search over 1,000 pending markers of which 100
// are answered, against a local FTP server; then curl (one connection) and
// lftp doing the same transfers.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cycle/BuscaRespuestas.h"
#include "cycle/EnviaArchivos.h"
#include "names/SentRegistry.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FtpServer.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "transport/FtpSession.h"

namespace {

using namespace torva;
using Steady = std::chrono::steady_clock;

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

std::string name(char letter, const char* patente, int folio) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%s%03d.123", letter, patente, folio);
    return text;
}

// A validation file of about 2 KB.
std::string content(const std::string& n) {
    std::string text = "500|1|1234|3420|0|123456\r\n";
    for (int i = 0; i < 30; ++i) {
        text += "551|" + n + "|" + std::to_string(i) + "|PARTIDA DE MERCANCIA DE PRUEBA|\r\n";
    }
    return text + "801|" + n + "|1|4|999|\r\n";
}

// The real client, timing its uploads and the gaps between them.
class TimedClient final : public FtpClient {
  public:
    explicit TimedClient(FtpClient& real) : real_(real) {}
    bool IsConnected() const override { return real_.IsConnected(); }
    FtpCode Connect() override {
        real_.settings() = settings();
        return real_.Connect();
    }
    FtpCode Disconnect() override { return real_.Disconnect(); }
    FtpCode UploadFile(const std::string& l, const std::string& r) override {
        const auto start = Steady::now();
        if (uploads > 0) {
            longestGap = std::max(longestGap, std::chrono::duration<double>(start - last_).count());
        }
        const FtpCode c = real_.UploadFile(l, r);
        last_ = Steady::now();
        const double took = std::chrono::duration<double>(last_ - start).count();
        longestUpload = std::max(longestUpload, took);
        inUploads += took;
        stalls += took >= 0.5 ? 1 : 0;
        ++uploads;
        return c;
    }
    FtpCode DownloadFile(const std::string& l, const std::string& r) override {
        ++downloads;
        return real_.DownloadFile(l, r);
    }
    FtpCode DownloadFiles(const std::string& l, const std::string& r,
                          const std::string& m) override {
        return real_.DownloadFiles(l, r, m);
    }
    FtpCode ListNames(const std::string& r, std::vector<std::string>& names) override {
        ++listings;
        return real_.ListNames(r, names);
    }

    int uploads = 0, downloads = 0, listings = 0, stalls = 0;
    double longestUpload = 0, longestGap = 0, inUploads = 0;

  private:
    FtpClient& real_;
    Steady::time_point last_;
};

double run(const std::string& command) {
    const auto start = Steady::now();
    const int status = std::system(command.c_str());
    const double seconds = secondsSince(start);
    if (status != 0) {
        std::printf("  (exit status %d: %s)\n", status, command.c_str());
    }
    return seconds;
}

std::size_t filesIn(const std::string& dir) {
    std::error_code ec;
    return listDirectory(dir, ec).size();
}

}  // namespace

int main() {
    test::TempDir remote;
    test::TempDir local;
    for (const char* dir : {"REC", "ENV", "curl", "lftp"}) {
        makeDirectory(remote.path() + "/" + dir);
    }
    const std::string send = local.file("env");
    const std::string receive = local.file("rec");
    const std::string pend = joinPath(send, "Pend");
    const std::string sent = joinPath(send, "Enviados");
    for (const std::string& dir : {send, receive, pend, sent}) {
        makeDirectory(dir);
    }

    // Sent earlier: in the registry, with their markers and sent copies.
    std::vector<std::string> registry;
    for (int i = 0; i < 1000; ++i) {
        const std::string n = name('b', "1234", i);
        test::writeBytes(joinPath(send, n), content(n));
        copyFileKeepTime(joinPath(send, n), joinPath(pend, n));
        copyFileKeepTime(joinPath(send, n), joinPath(sent, n));
        registry.push_back(registryLine(n, *modificationTime(joinPath(send, n))));
    }
    writeAnsiLines(joinPath(send, "bitacora"), registry);
    for (int i = 0; i < 1000; i += 10) {  // 100 answered
        const std::string r = name('r', "1234", i);
        test::writeBytes(remote.path() + "/ENV/" + r, "respuesta " + r + "\r\n");
    }
    for (int i = 0; i < 500; ++i) {
        const std::string n = name('m', "1234", i);
        test::writeBytes(joinPath(send, n), content(n));
    }
    for (int i = 0; i < 250; ++i) {
        test::writeBytes(joinPath(send, name('m', "9999", i)), "otra patente");
        test::writeBytes(joinPath(send, name('z', "1234", i)), "otra letra");
    }

    test::FtpServer::Options options;
    options.root = remote.path();
    test::FtpServer server(options);

    ConfigRecord config;
    config.set(slot::kHost, "127.0.0.1");
    config.set(slot::kPort, server.portText());
    config.set(slot::kUser, options.user);
    config.set(slot::kPassword, options.password);
    config.set(slot::kSendDir, send);
    config.set(slot::kReceiveDir, receive);
    config.set(slot::kLowerFolio, "000");
    config.set(slot::kUpperFolio, "999");
    config.set(slot::kPassive, "1");
    config.set(slot::kSign, "0");
    config.set(slot::kAutoSend, "1");
    config.set(slot::kRoutes, "0");
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    CycleState cycle;
    cycle.pendingListingPath = pend;
    int julianDay = 123;
    std::int16_t letterOffset = 0;
    SystemClock clock;
    struct Quiet final : OperatorDialogs {
        DialogAnswer message(const std::string&, const std::string& text, DialogIcon,
                             DialogButtons) override {
            std::printf("  message: %s\n", text.c_str());
            return DialogAnswer::No;
        }
        void beep() override {}
        void setBusy(bool) override {}
        void showComponentError(int code) override { std::printf("  error window %d\n", code); }
    } dialogs;
    CurlFtpClient curlClient;
    TimedClient client(curlClient);
    CycleContext ctx{config,       captions, lists, edit,    gauges, cycle, julianDay,
                     letterOffset, 0,        "",    dialogs, clock,  client};

    // The response search first, over exactly the 1,000 markers.
    auto start = Steady::now();
    BuscaRespuestas(ctx);
    const double search = secondsSince(start);
    const std::size_t received = lists.get(ListId::Recibidos).size();
    const int searchDownloads = client.downloads;
    DisconnectFromHost(client);

    start = Steady::now();
    EnviaArchivos(ctx);
    const double pass = secondsSince(start);
    DisconnectFromHost(client);
    const std::size_t uploaded = filesIn(remote.path() + "/REC");

    // curl: the same 500 uploads over one connection.
    const std::string base = "ftp://127.0.0.1:" + server.portText() + "/";
    const std::string user = options.user + ":" + options.password;
    {
        std::ofstream up(local.file("curl-up.cfg"));
        std::ofstream down(local.file("curl-down.cfg"));
        for (std::ofstream* out : {&up, &down}) {
            *out << "silent\nuser = \"" << user << "\"\n";
        }
        for (int i = 0; i < 500; ++i) {
            const std::string n = name('m', "1234", i);
            up << "upload-file = \"" << joinPath(send, n) << "\"\nurl = \"" << base << "curl/" << n
               << "\"\n";
        }
        for (int i = 0; i < 1000; ++i) {
            const std::string r = name('r', "1234", i);
            down << "url = \"" << base << "ENV/" << r << "\"\noutput = \""
                 << local.file("curl-" + r) << "\"\n";
        }
    }
    const double curlUploads = run("curl -K '" + local.file("curl-up.cfg") + "'");
    const double curlDownloads =
        run("curl -K '" + local.file("curl-down.cfg") + "' 2>/dev/null; true");

    // lftp: mput of the same 500 files, and the 1,000 gets.
    const std::string lftpOpen =
        "set cmd:fail-exit no; set net:max-retries 1; "
        "set ftp:passive-mode on; open -u " +
        user.substr(0, user.find(':')) + "," + options.password + " -p " + server.portText() +
        " 127.0.0.1; ";
    const double lftpUploads =
        run("lftp -c '" + lftpOpen + "cd lftp; lcd " + send + "; mput m1234???.123' > /dev/null");
    {
        std::ofstream gets(local.file("lftp-get.txt"));
        gets << lftpOpen << "\nlcd " << local.path() << "\n";
        for (int i = 0; i < 1000; ++i) {
            const std::string r = name('r', "1234", i);
            gets << "get -O " << local.path() << " ENV/" << r << " -o lftp-" << r << "\n";
        }
    }
    const double lftpDownloads =
        run("lftp -f '" + local.file("lftp-get.txt") + "' > /dev/null 2>&1; true");

    std::printf("Outgoing pass: 2,000 files in the send folder, 1,000 in the registry, 500 new\n");
    std::printf(
        "  torvaval pass            %6.2f s  (%zu uploaded, longest upload %.0f ms, "
        "%d of them of half a second or more, longest gap between uploads %.0f ms)\n",
        pass, uploaded, client.longestUpload * 1000, client.stalls, client.longestGap * 1000);
    std::printf("  of which outside the uploads (scan, copies, log, registry) %.2f s\n",
                pass - client.inUploads);
    std::printf("  curl, 500 uploads        %6.2f s  pass/curl = %.2f (target <= 1.2)\n",
                curlUploads, pass / curlUploads);
    std::printf("  lftp mput, 500 files     %6.2f s  pass/lftp = %.2f (target <= 1.0)\n",
                lftpUploads, pass / lftpUploads);
    std::printf("Response search: 1,000 markers, 100 answered\n");
    std::printf("  torvaval search          %6.2f s  (%zu received, %d downloads, %d listing)\n",
                search, received, searchDownloads, client.listings);
    std::printf("  curl, 1,000 downloads    %6.2f s  search/curl = %.2f (target <= 0.3)\n",
                curlDownloads, search / curlDownloads);
    std::printf("  lftp, 1,000 gets         %6.2f s  search/lftp = %.2f\n", lftpDownloads,
                search / lftpDownloads);
    return uploaded == 500 && received == 100 ? 0 : 1;
}
