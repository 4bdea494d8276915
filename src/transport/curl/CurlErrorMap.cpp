#include "transport/curl/CurlErrorMap.h"

#include <curl/curl.h>

namespace torva {
namespace {

constexpr long kReplyServiceClosing = 421;

// Refusals of a command that the server explains by its reply code.
FtpCode fromReply(long reply, FtpCode otherwise) {
    switch (reply) {
        case 421:
            return ftp::kConnectionClosed;
        case 425:
            return ftp::kDataConnectionFailed;
        case 426:
            return ftp::kDataConnectionClosed;
        case 450:
            return ftp::kRemoteFileUnavailable;
        case 452:
            return ftp::kServerStorageFull;
        case 500:
            return ftp::kInvalidCommand;
        case 501:
        case 504:
            return ftp::kInvalidArguments;
        case 502:
            return ftp::kCommandNotImplemented;
        case 503:
            return ftp::kBadSequence;
        case 530:
            return ftp::kNotLoggedIn;
        case 532:
            return ftp::kAccountRequired;
        case 550:
            return ftp::kRemoteAccessDenied;
        case 552:
            return ftp::kStorageExceeded;
        case 553:
            return ftp::kInvalidFileName;
        default:
            return otherwise;
    }
}

FtpCode byStep(FtpStep step, FtpCode connect, FtpCode upload, FtpCode download) {
    switch (step) {
        case FtpStep::Connect:
            return connect;
        case FtpStep::Upload:
            return upload;
        case FtpStep::Download:
        case FtpStep::List:
            return download;
    }
    return download;
}

// A transfer that broke off on the connection rather than by a time-out or a
// refusal of the server.
bool brokenOff(CURLcode code) {
    switch (code) {
        case CURLE_GOT_NOTHING:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_PARTIAL_FILE:
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_UPLOAD_FAILED:
            return true;
        default:
            return false;
    }
}

}  // namespace

FtpCode mapCurlResult(int curlCode, long ftpReply, FtpStep step, bool serverClosed) {
    const auto code = static_cast<CURLcode>(curlCode);
    if (code != CURLE_OK &&
        (ftpReply == kReplyServiceClosing || (serverClosed && brokenOff(code)))) {
        return ftp::kConnectionClosed;
    }
    switch (code) {
        case CURLE_OK:
            return ftp::kOk;
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_FAILED_INIT:
        case CURLE_NOT_BUILT_IN:
            return ftp::kNetworkInit;
        case CURLE_URL_MALFORMAT:
        case CURLE_BAD_FUNCTION_ARGUMENT:
        case CURLE_UNKNOWN_OPTION:
        case CURLE_SETOPT_OPTION_SYNTAX:
            return ftp::kInvalidParameter;
        case CURLE_COULDNT_RESOLVE_PROXY:
            return ftp::kProxyFailed;
        case CURLE_COULDNT_RESOLVE_HOST:
            return ftp::kHostNotFound;
        case CURLE_COULDNT_CONNECT:
            return ftp::kConnectFailed;
        case CURLE_NO_CONNECTION_AVAILABLE:
            return ftp::kOpenConnectionFailed;
        case CURLE_INTERFACE_FAILED:
            return ftp::kSocketFailed;
        case CURLE_FTP_WEIRD_PASS_REPLY:
        case CURLE_LOGIN_DENIED:
        case CURLE_AUTH_ERROR:
            return ftp::kLoginRefused;
        case CURLE_FTP_ACCEPT_FAILED:
        case CURLE_FTP_ACCEPT_TIMEOUT:
            return ftp::kAcceptFailed;
        case CURLE_FTP_PORT_FAILED:
            return ftp::kListenFailed;
        case CURLE_FTP_WEIRD_PASV_REPLY:
        case CURLE_FTP_WEIRD_227_FORMAT:
        case CURLE_FTP_CANT_GET_HOST:
            return fromReply(ftpReply, ftp::kDataConnectionFailed);
        case CURLE_FTP_COULDNT_SET_TYPE:
            return ftp::kInvalidFileType;
        case CURLE_FTP_COULDNT_USE_REST:
        case CURLE_RANGE_ERROR:
        case CURLE_BAD_DOWNLOAD_RESUME:
            return ftp::kRestartFailed;
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_FTP_COULDNT_RETR_FILE:
            return ftp::kRemoteFileUnavailable;
        case CURLE_REMOTE_ACCESS_DENIED:
            // A missing directory on the way to the file fails here too.
            return step == FtpStep::Download ? ftp::kRemoteFileUnavailable
                                             : fromReply(ftpReply, ftp::kRemoteAccessDenied);
        case CURLE_UPLOAD_FAILED:
            return fromReply(ftpReply, ftp::kRemoteAccessDenied);
        case CURLE_REMOTE_DISK_FULL:
            return ftp::kServerStorageFull;
        case CURLE_FILESIZE_EXCEEDED:
            return ftp::kStorageExceeded;
        case CURLE_REMOTE_FILE_EXISTS:
            return ftp::kInvalidFileName;
        case CURLE_FTP_PRET_FAILED:
            return ftp::kCommandNotImplemented;
        case CURLE_QUOTE_ERROR:
            return fromReply(ftpReply, ftp::kInvalidCommand);
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_BAD_CONTENT_ENCODING:
            return fromReply(ftpReply, ftp::kUnexpectedReply);
        case CURLE_FTP_BAD_FILE_LIST:
        case CURLE_CHUNK_FAILED:
            return ftp::kBadFileList;
        case CURLE_WRITE_ERROR:
            return ftp::kLocalWriteFailed;
        case CURLE_READ_ERROR:
        case CURLE_FILE_COULDNT_READ_FILE:
            return ftp::kLocalReadFailed;
        case CURLE_OUT_OF_MEMORY:
            return ftp::kOutOfMemory;
        case CURLE_ABORTED_BY_CALLBACK:
            return ftp::kCancelled;
        case CURLE_RECURSIVE_API_CALL:
            return ftp::kBlocked;
        case CURLE_AGAIN:
            return ftp::kRetry;
        case CURLE_GOT_NOTHING:
            return ftp::kConnectionClosed;
        case CURLE_OPERATION_TIMEDOUT:
            return byStep(step, ftp::kServerUnavailable, ftp::kWriteFailed, ftp::kReadFailed);
        case CURLE_SEND_ERROR:
        case CURLE_SEND_FAIL_REWIND:
            return byStep(step, ftp::kConnectionClosed, ftp::kWriteFailed, ftp::kWriteFailed);
        case CURLE_RECV_ERROR:
            return byStep(step, ftp::kConnectionClosed, ftp::kReadFailed, ftp::kReadFailed);
        case CURLE_PARTIAL_FILE:
            if (ftpReply == kReplyServiceClosing) {
                return ftp::kConnectionClosed;
            }
            return byStep(step, ftp::kConnectionClosed, ftp::kWriteFailed, ftp::kReadFailed);
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_SHUTDOWN_FAILED:
            return ftp::kTlsFailed;
        case CURLE_SSL_ENGINE_NOTFOUND:
        case CURLE_SSL_ENGINE_SETFAILED:
            return ftp::kSecureInterfaceFailed;
        case CURLE_SSL_ENGINE_INITFAILED:
            return ftp::kSecureContextFailed;
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CACERT_BADFILE:
            return ftp::kClientCertificateFailed;
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CRL_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_INVALIDCERTSTATUS:
            return ftp::kServerCertificateInvalid;
        case CURLE_USE_SSL_FAILED:
            return ftp::kTlsRequired;
        default:
            return ftp::kServerUnknownProblem;
    }
}

bool keepsSession(int curlCode, long ftpReply, bool serverClosed) {
    if (ftpReply == kReplyServiceClosing || serverClosed) {
        return false;
    }
    switch (static_cast<CURLcode>(curlCode)) {
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
            // A data connection broken off by a server that stayed.
            return true;
        case CURLE_OK:
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_FTP_COULDNT_RETR_FILE:
        case CURLE_REMOTE_ACCESS_DENIED:
        case CURLE_UPLOAD_FAILED:
        case CURLE_REMOTE_DISK_FULL:
        case CURLE_FILESIZE_EXCEEDED:
        case CURLE_REMOTE_FILE_EXISTS:
        case CURLE_QUOTE_ERROR:
        case CURLE_PARTIAL_FILE:
        case CURLE_WRITE_ERROR:
        case CURLE_READ_ERROR:
        case CURLE_FILE_COULDNT_READ_FILE:
        case CURLE_ABORTED_BY_CALLBACK:
            return true;
        default:
            return false;
    }
}

bool mayBeStaleConnection(int curlCode, long ftpReply) {
    if (ftpReply == kReplyServiceClosing) {
        return true;
    }
    // A server that answered something in this call still holds the session.
    if (ftpReply != 0) {
        return false;
    }
    switch (static_cast<CURLcode>(curlCode)) {
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_GOT_NOTHING:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_WEIRD_SERVER_REPLY:
            return true;
        default:
            return false;
    }
}

}  // namespace torva
