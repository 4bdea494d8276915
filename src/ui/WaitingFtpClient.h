#pragma once

#include "transport/FtpClient.h"

namespace torva::ui {

class WorkerThread;

// The window's FTP client: each call of the real client runs on the worker
// thread while the window goes on. A call made while another is in flight
// (from a handler that ran during the wait) is refused with ftp::kBlocked
// instead of sharing the session.
class WaitingFtpClient final : public FtpClient {
  public:
    WaitingFtpClient(FtpClient& client, WorkerThread& worker);

    bool IsConnected() const override;
    FtpCode Connect() override;
    FtpCode Disconnect() override;
    FtpCode UploadFile(const std::string& localPath, const std::string& remotePath) override;
    FtpCode DownloadFile(const std::string& localPath, const std::string& remotePath) override;
    FtpCode DownloadFiles(const std::string& localDirectory, const std::string& remoteDirectory,
                          const std::string& mask) override;
    FtpCode ListNames(const std::string& remoteDirectory, std::vector<std::string>& names) override;
    void BeginDownloadBatch() override;
    FtpCode CommitDownloadBatch() override;

  private:
    template <typename Call>
    FtpCode wait(Call&& call);

    FtpClient& client_;
    WorkerThread& worker_;
    bool busy_ = false;
};

}  // namespace torva::ui
