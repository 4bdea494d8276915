#pragma once

#include <cstdint>
#include <string>

#include "platform/OperatorDialogs.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "transport/FtpClient.h"

namespace torva {

// What the session operations touch: the client, the connection settings of
// the configuration, the status line `Evento` and the error window.
struct FtpSession {
    FtpClient& client;
    const ConfigRecord& config;
    Captions& captions;
    OperatorDialogs& dialogs;
    // The main window's letter offset, which `numLetras` sets when a download
    // fails; with none it is set in passing and dropped.
    std::int16_t* letterOffset = nullptr;
};

// Writes the client's settings from slots 0, 7, 1, 2 and `ChkPasivo` (slot 12).
FtpCode InitializeFTPControl(FtpSession& session);

// Opens the session unless one is open; ok when it is.
ConnectCode ConnectToHost(FtpSession& session);

// A failed upload writes no message, unless its partial remote file could not
// be removed: `Evento` then names it.
FtpCode SendFile(FtpSession& session, const std::string& localPath, const std::string& remotePath);

// localPath as FtpClient::DownloadFile takes it: its name as it stands on disk.
FtpCode ReceiveFile(FtpSession& session, const std::string& localPath,
                    const std::string& remotePath);

// A failure names the first files left undone after its code in `Evento`.
FtpCode ReceiveMultipleFiles(FtpSession& session, const std::string& localDirectory,
                             const std::string& remoteDirectory, const std::string& mask);

// Closes an open session; ftp::kOk when there was none.
FtpCode DisconnectFromHost(FtpClient& client);

// Opens the self-closing error window with the code's number; returns at once.
void Error(OperatorDialogs& dialogs, std::int32_t code);

}  // namespace torva
