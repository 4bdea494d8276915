#pragma once

#include <curl/curl.h>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "transport/curl/CurlErrorMap.h"
#include "transport/FtpClient.h"

namespace torva {

// The FTP client on libcurl. One easy handle, driven through a multi handle
// whose waits are short, lives for the session: the control connection stays
// open and is reused between calls, and a connection the server dropped is
// noticed and opened again. Every call ends within the call bound.
class CurlFtpClient final : public FtpClient {
  public:
    CurlFtpClient();
    ~CurlFtpClient() override;
    CurlFtpClient(const CurlFtpClient&) = delete;
    CurlFtpClient& operator=(const CurlFtpClient&) = delete;

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
    using Clock = std::chrono::steady_clock;
    struct Attempt {
        int result = 0;
        long reply = 0;
        bool reused = false;        // ran on the connection of an earlier call
        bool serverClosed = false;  // the server closed the control connection
    };
    using Configure = std::function<void(CURL*)>;

    // Starts a call: clears the report and sets the call's deadline.
    void beginCall();
    // One libcurl transfer on the session's handle, within the deadline.
    Attempt perform(const std::string& url, const Configure& configure);
    int run();
    // libcurl's socket callbacks: they follow which socket is the control
    // connection and whether the server had left it when libcurl closed it.
    static int onSocketOpened(void* self, curl_socket_t socket, curlsocktype purpose);
    static int onSocketClosing(void* self, curl_socket_t socket);
    // Whether a failed attempt is worth one more try on a fresh connection.
    bool retryable(const Attempt& a, int tries) const;
    // The code of a failed attempt; ends the session when it is lost.
    FtpCode failure(const Attempt& a, FtpStep step);

    FtpCode upload(const std::string& localPath, const std::string& remotePath);
    // Removes the remote file a failed upload left; false when it may remain.
    bool removePartialUpload(const std::string& remotePath);
    // absent: the server has no plain file of that name (or it went away).
    FtpCode download(const std::string& localPath, const std::string& remotePath,
                     bool* absent = nullptr);
    FtpCode downloadAll(const std::string& localDirectory, const std::string& remoteDirectory,
                        const std::string& mask);
    FtpCode list(const std::string& remoteDirectory, std::string& listing);
    FtpCode listNames(const std::string& remoteDirectory, std::vector<std::string>& names,
                      std::vector<std::string>* caseDuplicates = nullptr);
    // Removes the temporary files a killed process left in the folder.
    void sweepLeftovers(const std::string& directory);

    // QUIT, awaited for a bounded time, when the server still holds the
    // session; kOk when there is nothing to close.
    FtpCode quit();
    // Forgets the session without waiting on the server.
    void dropSession();

    CURLM* multi_ = nullptr;
    CURL* handle_ = nullptr;
    curl_socket_t control_ = CURL_SOCKET_BAD;
    bool running_ = false;  // inside run()
    bool serverClosed_ = false;
    FtpSettings session_;  // the settings the open session logged in with
    bool connected_ = false;
    bool freshConnection_ = false;
    Clock::time_point deadline_;
    std::map<std::string, Clock::time_point> swept_;
    std::set<std::string> sweepAfterBatch_;  // folders a batch's downloads went to
    std::thread sweeper_;
    std::atomic<bool> sweeping_{false};
    // Remote paths the session's listings showed: a download of one needs
    // no probe for its presence first.
    std::set<std::string> listed_;
    // Downloads of the open batch: complete in their temporary files, not
    // yet on the disk for sure, not yet in place.
    struct Staged {
        std::string temporary;
        std::string target;
    };
    bool batching_ = false;
    std::vector<Staged> staged_;
    std::minstd_rand random_;
};

}  // namespace torva
