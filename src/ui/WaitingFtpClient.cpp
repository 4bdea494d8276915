#include "ui/WaitingFtpClient.h"

#include "ui/WorkerThread.h"

namespace torva::ui {

WaitingFtpClient::WaitingFtpClient(FtpClient& client, WorkerThread& worker)
    : client_(client), worker_(worker) {
    settings_ = client.settings();
}

template <typename Call>
FtpCode WaitingFtpClient::wait(Call&& call) {
    if (busy_) {
        return ftp::kBlocked;
    }
    busy_ = true;
    client_.settings() = settings_;
    FtpCode result = ftp::kOk;
    try {
        worker_.run([&] { result = call(); });
    } catch (...) {
        busy_ = false;
        throw;
    }
    report_ = client_.LastReport();
    busy_ = false;
    return result;
}

bool WaitingFtpClient::IsConnected() const {
    // The real client is the worker's while a call is in flight.
    return !busy_ && client_.IsConnected();
}

FtpCode WaitingFtpClient::Connect() {
    return wait([this] { return client_.Connect(); });
}

FtpCode WaitingFtpClient::Disconnect() {
    return wait([this] { return client_.Disconnect(); });
}

FtpCode WaitingFtpClient::UploadFile(const std::string& localPath, const std::string& remotePath) {
    return wait([&] { return client_.UploadFile(localPath, remotePath); });
}

FtpCode WaitingFtpClient::DownloadFile(const std::string& localPath,
                                       const std::string& remotePath) {
    return wait([&] { return client_.DownloadFile(localPath, remotePath); });
}

FtpCode WaitingFtpClient::DownloadFiles(const std::string& localDirectory,
                                        const std::string& remoteDirectory,
                                        const std::string& mask) {
    return wait([&] { return client_.DownloadFiles(localDirectory, remoteDirectory, mask); });
}

FtpCode WaitingFtpClient::ListNames(const std::string& remoteDirectory,
                                    std::vector<std::string>& names) {
    return wait([&] { return client_.ListNames(remoteDirectory, names); });
}

void WaitingFtpClient::BeginDownloadBatch() {
    (void)wait([this] {
        client_.BeginDownloadBatch();
        return ftp::kOk;
    });
}

FtpCode WaitingFtpClient::CommitDownloadBatch() {
    return wait([this] { return client_.CommitDownloadBatch(); });
}

}  // namespace torva::ui
