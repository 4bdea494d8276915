#pragma once

#include <string>
#include <vector>

#include "transport/FtpCodes.h"

namespace torva {

// Waits of the client, in seconds. Short enough that a server that stops
// answering never holds the program for long.
struct FtpTimeouts {
    long connect = 15;   // TCP connection and the server's greeting
    long response = 20;  // any reply of the server on the control connection
    long stall = 20;     // a transfer that moves no data
    long accept = 15;    // the server's data connection in active mode
};

// What InitializeFTPControl writes before every connection attempt. The
// client reads it when it connects; a change takes effect at the next
// connection.
struct FtpSettings {
    std::string ServerHost;
    std::string ServerPort;
    std::string UserName;
    std::string UserPassword;
    std::int16_t PassiveMode = 1;  // 1 passive, 0 active
    FtpTimeouts timeouts;
};

// The FTP client the session operations drive. Every call blocks until done
// and reports through its result code (ftp::kOk or an error code); nothing is
// thrown. Remote paths are relative to the login directory and use "/".
class FtpClient {
  public:
    virtual ~FtpClient() = default;

    FtpSettings& settings() { return settings_; }
    const FtpSettings& settings() const { return settings_; }

    // True while a session is open.
    virtual bool IsConnected() const = 0;
    // Logs in with the settings; kOk only once the server accepted the user.
    virtual FtpCode Connect() = 0;
    virtual FtpCode Disconnect() = 0;
    // kOk means the local file now stands complete under the remote path.
    virtual FtpCode UploadFile(const std::string& localPath, const std::string& remotePath) = 0;
    // kOk means the remote file was written to the local path; on failure an
    // existing local file is left as it was.
    virtual FtpCode DownloadFile(const std::string& localPath, const std::string& remotePath) = 0;
    // Downloads every plain file of the remote directory whose name matches
    // the mask. An empty directory, or one where nothing matches, is kOk.
    virtual FtpCode DownloadFiles(const std::string& localDirectory,
                                  const std::string& remoteDirectory, const std::string& mask) = 0;
    // The names (NLST) of the remote directory that are safe as local file
    // names, by the rules of DownloadFiles, in the server's order. An empty
    // directory is kOk with no names.
    virtual FtpCode ListNames(const std::string& remoteDirectory, std::vector<std::string>& names) {
        (void)remoteDirectory;
        names.clear();
        return ftp::kNotSupported;
    }

  protected:
    FtpSettings settings_;
};

}  // namespace torva
