#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cycle/CycleContext.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FtpServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"

namespace torva::test {

// The real client, counting its calls and running a step after every upload.
class HookedClient final : public FtpClient {
  public:
    explicit HookedClient(FtpClient& real) : real_(real) {}
    bool IsConnected() const override { return real_.IsConnected(); }
    FtpCode Connect() override {
        ++connects;
        real_.settings() = settings();
        return real_.Connect();
    }
    FtpCode Disconnect() override { return real_.Disconnect(); }
    FtpCode UploadFile(const std::string& l, const std::string& r) override {
        ++uploads;
        const FtpCode c = real_.UploadFile(l, r);
        if (afterUpload) {
            afterUpload();
        }
        return c;
    }
    FtpCode DownloadFile(const std::string& l, const std::string& r) override {
        ++downloads;
        return real_.DownloadFile(l, r);
    }
    FtpCode DownloadFiles(const std::string& l, const std::string& r,
                          const std::string& m) override {
        ++downloads;
        return real_.DownloadFiles(l, r, m);
    }
    FtpCode ListNames(const std::string& r, std::vector<std::string>& names) override {
        ++listings;
        return real_.ListNames(r, names);
    }
    int calls() const { return connects + uploads + downloads + listings; }

    std::function<void()> afterUpload;
    int connects = 0, uploads = 0, downloads = 0, listings = 0;

  private:
    FtpClient& real_;
};

// A profile of patente 1234 on day 123 whose send folder "env" and receive
// folder "rec" are in a temporary folder, and a real FTP server with REC/ and
// ENV/ on 127.0.0.1 that the pass reaches through the libcurl client.
struct PassFixture {
    TempDir remote;
    TempDir local;
    std::unique_ptr<FtpServer> server;
    CurlFtpClient client;

    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    CycleState cycle;
    int julianDay = 123;
    std::int16_t letterOffset = 0;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 5, 3, 10, 0, 0}};
    CycleContext ctx{config,       captions, lists, edit,    gauges, cycle, julianDay,
                     letterOffset, 0,        "",    dialogs, clock,  client};

    std::string send, receive, pend, sent, rejected;

    explicit PassFixture(std::vector<std::string> serverArgs = {}, std::string mode = "normal") {
        for (const char* dir : {"REC", "ENV"}) {
            makeDirectory(remote.path() + "/" + dir);
        }
        FtpServer::Options options;
        options.root = remote.path();
        options.mode = std::move(mode);
        options.extraArgs = std::move(serverArgs);
        server = std::make_unique<FtpServer>(options);

        send = local.file("env");
        receive = local.file("rec");
        pend = joinPath(send, "Pend");
        sent = joinPath(send, "Enviados");
        rejected = joinPath(send, "Rechaza");
        for (const std::string& dir : {send, receive, pend, sent}) {
            makeDirectory(dir);
        }
        config.set(slot::kHost, "127.0.0.1");
        config.set(slot::kPort, server->portText());
        config.set(slot::kUser, "usuario1234");
        config.set(slot::kPassword, "secreto");
        config.set(slot::kSendDir, send);
        config.set(slot::kReceiveDir, receive);
        config.set(slot::kLowerFolio, "001");
        config.set(slot::kUpperFolio, "999");
        config.set(slot::kPassive, "1");
        config.set(slot::kSign, "0");
        config.set(slot::kAutoSend, "1");
        config.set(slot::kRoutes, "0");
        cycle.pendingListingPath = pend;
    }

    std::string remoteFile(const std::string& relative) const {
        return remote.path() + "/" + relative;
    }
    // A validation file in the send folder, modified at the given second.
    void drop(const std::string& name, const std::string& content, int second = 0) {
        writeBytes(joinPath(send, name), content);
        setTime(joinPath(send, name), second);
    }
    static void setTime(const std::string& path, int second) {
        using namespace std::chrono;
        const auto t =
            file_clock::from_sys(sys_days{year{2026} / 5 / 3} + hours{9} + seconds{second});
        std::filesystem::last_write_time(toFsPath(path), t);
    }
    std::vector<std::string> namesIn(const std::string& dir) const {
        std::error_code ec;
        std::vector<std::string> names;
        for (const auto& e : listDirectory(dir, ec)) {
            names.push_back(e.name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> linesOf(const std::string& path) const {
        std::vector<std::string> lines;
        readAnsiLines(path, lines);
        return lines;
    }
    // The same parts reached through another client.
    CycleContext contextWith(FtpClient& other) {
        return {config,       captions, lists, edit,    gauges, cycle, julianDay,
                letterOffset, 0,        "",    dialogs, clock,  other};
    }
    std::string logPath() const { return joinPath(receive, "1234123.log"); }
    std::string registryPath() const { return joinPath(send, "bitacora"); }
};

}  // namespace torva::test
