#pragma once

#include <string>
#include <vector>

#include "transport/FtpCodes.h"

namespace torva {

// Waits of the client, in seconds. Short enough that a server that stops
// answering never holds the program for long.
struct FtpTimeouts {
    long connect = 15;      // TCP connection and the server's greeting
    long response = 20;     // any reply of the server on the control connection
    long stall = 20;        // a transfer slower than stallFloor bytes a second
    long accept = 15;       // the server's data connection in active mode
    long call = 30;         // everything one call does, retries included
    long quit = 2;          // the reply to QUIT
    long stallFloor = 256;  // bytes a second
};

// A file a call could not handle, beside the call's result code.
struct FtpFileFailure {
    std::string name;
    FtpCode code = ftp::kOk;
    bool operator==(const FtpFileFailure&) const = default;
};

// What the last call left undone beyond its result code.
struct FtpCallReport {
    // DownloadFiles: files of the folder that failed, in listing order, then
    // the names left out for equalling an earlier one without regard to case.
    // Files after a failure that ended the session are not tried, nor listed.
    std::vector<FtpFileFailure> failedFiles;
    // UploadFile: the partial remote file of a failed upload is still there.
    bool partialUploadLeft = false;
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

    // True while a session is open and the server has not closed it.
    virtual bool IsConnected() const = 0;
    // Logs in with the settings; kOk only once the server accepted the user.
    virtual FtpCode Connect() = 0;
    // Ends the session; an error when the server did not confirm the QUIT.
    // The session is closed either way.
    virtual FtpCode Disconnect() = 0;
    // kOk means the local file now stands complete under the remote path.
    // After a failed upload the partial remote file is removed when the
    // session allows it; LastReport says when it could not be.
    virtual FtpCode UploadFile(const std::string& localPath, const std::string& remotePath) = 0;
    // kOk means the remote file was written to the local path; on failure an
    // existing local file is left as it was. The local folder is found
    // without regard to case, the file name is used as written: a caller that
    // replaces a file whose name differs in case passes that file's path, as
    // FolderIndex::pathOf gives it.
    virtual FtpCode DownloadFile(const std::string& localPath, const std::string& remotePath) = 0;
    // Downloads every plain file of the remote directory whose name matches
    // the mask. An empty directory, or one where nothing matches, is kOk. A
    // file that fails does not stop the others: the result is then the first
    // failure's code and LastReport names the files.
    virtual FtpCode DownloadFiles(const std::string& localDirectory,
                                  const std::string& remoteDirectory, const std::string& mask) = 0;
    // The names (NLST) of the remote directory that are safe as local file
    // names, by the rules of DownloadFiles, in the server's order; of names
    // equal without regard to case only the first. An empty directory is kOk
    // with no names; sub-directories may be among the names. A client that
    // cannot list answers kNotSupported.
    virtual FtpCode ListNames(const std::string& remoteDirectory, std::vector<std::string>& names) {
        (void)remoteDirectory;
        names.clear();
        return ftp::kNotSupported;
    }

    // Downloads between the two calls are staged: DownloadFile's kOk then
    // means the file is complete in a temporary file beside its target, and
    // the commit forces all of them to the disk at once before it renames
    // them into place. The commit's failures are in LastReport, named by
    // their local paths. A client that does not stage has nothing to commit.
    virtual void BeginDownloadBatch() {}
    virtual FtpCode CommitDownloadBatch() {
        report_ = {};
        return ftp::kOk;
    }

    const FtpCallReport& LastReport() const { return report_; }

  protected:
    FtpSettings settings_;
    FtpCallReport report_;
};

}  // namespace torva
