#pragma once

#include <functional>
#include <string>

#include "transport/curl/CurlErrorMap.h"
#include "transport/FtpClient.h"

typedef void CURL;

namespace torva {

// The FTP client on libcurl. One easy handle lives for the session, so the
// control connection stays open and is reused between calls; a connection
// the server dropped is noticed and the session is opened again.
class CurlFtpClient final : public FtpClient {
  public:
    CurlFtpClient();
    ~CurlFtpClient() override;
    CurlFtpClient(const CurlFtpClient&) = delete;
    CurlFtpClient& operator=(const CurlFtpClient&) = delete;

    bool IsConnected() const override { return connected_; }
    FtpCode Connect() override;
    FtpCode Disconnect() override;
    FtpCode UploadFile(const std::string& localPath, const std::string& remotePath) override;
    FtpCode DownloadFile(const std::string& localPath, const std::string& remotePath) override;
    FtpCode DownloadFiles(const std::string& localDirectory, const std::string& remoteDirectory,
                          const std::string& mask) override;
    FtpCode ListNames(const std::string& remoteDirectory, std::vector<std::string>& names) override;

  private:
    struct Attempt {
        int result = 0;
        long reply = 0;
        bool reused = false;  // ran on the connection of an earlier call
    };
    using Configure = std::function<void(CURL*)>;

    // One libcurl transfer on the session's handle.
    Attempt perform(const std::string& url, const Configure& configure);
    // Whether a failed attempt is worth one more try on a fresh connection.
    static bool retryable(const Attempt& a, int tries);
    // The code of a failed attempt; forgets the session when it is lost.
    FtpCode failure(const Attempt& a, FtpStep step);

    FtpCode upload(const std::string& localPath, const std::string& remotePath);
    FtpCode download(const std::string& localPath, const std::string& remotePath);
    FtpCode downloadAll(const std::string& localDirectory, const std::string& remoteDirectory,
                        const std::string& mask);
    FtpCode list(const std::string& remoteDirectory, std::string& listing);
    FtpCode listNames(const std::string& remoteDirectory, std::vector<std::string>& names);
    void closeHandle();

    CURL* handle_ = nullptr;
    FtpSettings session_;  // the settings the open session logged in with
    bool connected_ = false;
    bool freshConnection_ = false;
};

}  // namespace torva
