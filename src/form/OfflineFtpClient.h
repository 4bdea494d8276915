#pragma once

#include "transport/FtpClient.h"

namespace torva {

// The client of a window that has none wired in: every connection fails.
class OfflineFtpClient final : public FtpClient {
  public:
    bool IsConnected() const override { return false; }
    FtpCode Connect() override { return ftp::kConnectFailed; }
    FtpCode Disconnect() override { return ftp::kOk; }
    FtpCode UploadFile(const std::string&, const std::string&) override {
        return ftp::kConnectFailed;
    }
    FtpCode DownloadFile(const std::string&, const std::string&) override {
        return ftp::kConnectFailed;
    }
    FtpCode DownloadFiles(const std::string&, const std::string&, const std::string&) override {
        return ftp::kConnectFailed;
    }
};

}  // namespace torva
