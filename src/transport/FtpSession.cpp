#include "transport/FtpSession.h"

#include <algorithm>
#include <string_view>

#include "names/FileNames.h"
#include "platform/Text.h"

namespace torva {
namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

void setEvento(FtpSession& session, std::string text) {
    session.captions.set(Caption::Evento, std::move(text));
}

int nameLength(FtpSession& session, std::string_view letter) {
    std::int16_t offset = 0;
    return numLetras(letter, session.letterOffset ? *session.letterOffset : offset);
}

// " a.gen, b.gen": the files of a folder download that were not fetched, the
// first few by name so the status line stays one line.
std::string failedNames(const FtpCallReport& report) {
    constexpr std::size_t kNamed = 3;
    std::string names;
    const auto& failed = report.failedFiles;
    for (std::size_t i = 0; i < failed.size() && i < kNamed; ++i) {
        names += (i == 0 ? " " : ", ") + failed[i].name;
    }
    if (failed.size() > kNamed) {
        names += " y " + std::to_string(failed.size() - kNamed) + " más";
    }
    return names;
}

}  // namespace

FtpCode InitializeFTPControl(FtpSession& session) {
    FtpSettings& s = session.client.settings();
    s.ServerHost = trimmed(session.config.get(slot::kHost));
    s.ServerPort = trimmed(session.config.get(slot::kPort));
    s.UserName = trimmed(session.config.get(slot::kUser));
    s.UserPassword = trimmed(session.config.get(slot::kPassword));
    s.PassiveMode = session.config.flag(slot::kPassive) ? 1 : 0;
    return ftp::kOk;
}

ConnectCode ConnectToHost(FtpSession& session) {
    if (session.client.IsConnected()) {
        return widen(ftp::kOk);
    }
    // It cannot fail: it only copies the settings.
    (void)InitializeFTPControl(session);
    const ConnectCode code = widen(session.client.Connect());
    if (!ok(code)) {
        setEvento(session, "ERROR al conectar- " + std::to_string(codeNumber(code)));
        Error(session.dialogs, codeNumber(code));
    } else {
        setEvento(session, "Conexión Establecida... ");
    }
    return code;
}

FtpCode SendFile(FtpSession& session, const std::string& localPath, const std::string& remotePath) {
    const ConnectCode c = ConnectToHost(session);
    if (!ok(c)) {
        return narrow(c);
    }
    const FtpCode code = session.client.UploadFile(localPath, remotePath);
    if (ok(code)) {
        setEvento(session, "Archivo Enviado.. ");
    } else if (session.client.LastReport().partialUploadLeft) {
        // The service could take the part that arrived for a whole file.
        setEvento(session, "No se pudo borrar del servidor el envío incompleto " + remotePath);
    }
    return code;
}

FtpCode ReceiveFile(FtpSession& session, const std::string& localPath,
                    const std::string& remotePath) {
    const ConnectCode c = ConnectToHost(session);
    if (!ok(c)) {
        setEvento(session, "ERROR en conexión " + std::to_string(codeNumber(c)));
        return narrow(c);
    }
    const FtpCode code = session.client.DownloadFile(localPath, remotePath);
    if (ok(code)) {
        setEvento(session, "Recibido.. " + localPath);
    } else {
        const int n = nameLength(session, std::string_view(remotePath).substr(0, 1));
        setEvento(session, "Pendiente - " +
                               rightChars(remotePath, static_cast<std::size_t>(std::max(n, 0))));
    }
    return code;
}

FtpCode ReceiveMultipleFiles(FtpSession& session, const std::string& localDirectory,
                             const std::string& remoteDirectory, const std::string& mask) {
    const ConnectCode c = ConnectToHost(session);
    if (!ok(c)) {
        setEvento(session, "Error al conectar- " + std::to_string(codeNumber(c)));
        return narrow(c);
    }
    const FtpCode code = session.client.DownloadFiles(localDirectory, remoteDirectory, mask);
    if (!ok(code)) {
        setEvento(session, "Esta pendiente el archivo - " + std::to_string(codeNumber(code)) +
                               failedNames(session.client.LastReport()));
        Error(session.dialogs, codeNumber(code));
    } else {
        setEvento(session, "Recibiendo Archivos");
    }
    return code;
}

FtpCode DisconnectFromHost(FtpClient& client) {
    if (client.IsConnected()) {
        return client.Disconnect();
    }
    return ftp::kOk;
}

void Error(OperatorDialogs& dialogs, std::int32_t code) {
    dialogs.showComponentError(static_cast<int>(code));
}

}  // namespace torva
