#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FtpServer.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"

namespace torva::test {

// A served directory with the service's folders, a local directory and a
// client whose waits are short.
struct FtpFixture {
    TempDir remote;
    TempDir local;
    std::unique_ptr<FtpServer> server;
    CurlFtpClient client;

    explicit FtpFixture(const std::string& mode = "normal",
                        std::vector<std::string> extraArgs = {}) {
        for (const char* dir : {"REC", "ENV", "ENV/general"}) {
            makeDirectory(remote.path() + "/" + dir);
        }
        FtpServer::Options options;
        options.root = remote.path();
        options.mode = mode;
        options.extraArgs = std::move(extraArgs);
        server = std::make_unique<FtpServer>(options);
        useSettings(true, "secreto");
    }

    void useSettings(bool passive, const std::string& password) {
        FtpSettings& s = client.settings();
        s.ServerHost = "127.0.0.1";
        s.ServerPort = server->portText();
        s.UserName = "usuario1234";
        s.UserPassword = password;
        s.PassiveMode = passive ? 1 : 0;
        s.timeouts.connect = 2;
        s.timeouts.response = 2;
        s.timeouts.stall = 2;
        s.timeouts.accept = 2;
        s.timeouts.call = 10;
        s.timeouts.quit = 1;
    }

    std::string remoteFile(const std::string& relative) const {
        return remote.path() + "/" + relative;
    }
    std::string localFile(const std::string& name) const { return local.file(name); }

    // The names in the local directory, sorted.
    std::vector<std::string> localNames() const {
        std::error_code ec;
        std::vector<std::string> names;
        for (const DirEntry& e : listDirectory(local.path(), ec)) {
            names.push_back(e.name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace torva::test
