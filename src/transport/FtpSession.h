#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/OperatorDialogs.h"
#include "profiles/ConfigRecord.h"
#include "state/Captions.h"
#include "transport/FtpClient.h"

namespace torva {

// What the session operations touch: the client, the connection settings of
// the configuration, the status line `Evento` and the error window.
struct FtpSession {
    FtpClient& client;
    const ConfigRecord& config;
    Captions& captions;
    OperatorDialogs& dialogs;
    // `numLetras` of the main window: the name length for a first letter
    // (and its side effect on the letter offset). Unset, names are 12 long.
    std::function<int(const std::string& letter)> numLetras;
};

// Writes the client's settings from slots 0, 7, 1, 2 and `ChkPasivo` (slot 12).
std::int16_t InitializeFTPControl(FtpSession& session);

// Opens the session unless one is open; 0 when it is.
std::int32_t ConnectToHost(FtpSession& session);

FtpCode SendFile(FtpSession& session, const std::string& localPath, const std::string& remotePath);

FtpCode ReceiveFile(FtpSession& session, const std::string& localPath,
                    const std::string& remotePath);

FtpCode ReceiveMultipleFiles(FtpSession& session, const std::string& localDirectory,
                             const std::string& remoteDirectory, const std::string& mask);

// Closes an open session; 0 when there was none.
FtpCode DisconnectFromHost(FtpClient& client);

// Opens the self-closing error window with the code; returns at once.
void Error(OperatorDialogs& dialogs, std::int32_t code);

}  // namespace torva
