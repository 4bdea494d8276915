#include <gtest/gtest.h>

#include <curl/curl.h>

#include "transport/curl/CurlErrorMap.h"
#include "transport/curl/FtpUrl.h"
#include "transport/FtpClient.h"

namespace torva {
namespace {

TEST(CurlErrorMap, FailuresBecomeTheCodesTheOperatorReads) {
    using S = FtpStep;
    struct Case {
        CURLcode curl;
        long reply;
        FtpStep step;
        FtpCode code;
    };
    const Case cases[] = {
        {CURLE_OK, 226, S::Download, ftp::kOk},
        {CURLE_LOGIN_DENIED, 530, S::Connect, ftp::kLoginRefused},
        {CURLE_FTP_WEIRD_PASS_REPLY, 0, S::Connect, ftp::kLoginRefused},
        {CURLE_COULDNT_RESOLVE_HOST, 0, S::Connect, ftp::kHostNotFound},
        {CURLE_COULDNT_CONNECT, 0, S::Connect, ftp::kConnectFailed},
        {CURLE_COULDNT_CONNECT, 0, S::Download, ftp::kConnectFailed},
        {CURLE_NO_CONNECTION_AVAILABLE, 0, S::Connect, ftp::kOpenConnectionFailed},
        {CURLE_OPERATION_TIMEDOUT, 0, S::Connect, ftp::kServerUnavailable},
        {CURLE_OPERATION_TIMEDOUT, 0, S::Upload, ftp::kWriteFailed},
        {CURLE_OPERATION_TIMEDOUT, 150, S::Download, ftp::kReadFailed},
        {CURLE_GOT_NOTHING, 0, S::Connect, ftp::kConnectionClosed},
        {CURLE_RECV_ERROR, 0, S::Connect, ftp::kConnectionClosed},
        {CURLE_RECV_ERROR, 0, S::List, ftp::kReadFailed},
        {CURLE_SEND_ERROR, 0, S::Upload, ftp::kWriteFailed},
        // A 421 says the server is closing, whatever the step.
        {CURLE_RECV_ERROR, 421, S::Download, ftp::kConnectionClosed},
        {CURLE_FTP_COULDNT_SET_TYPE, 421, S::Download, ftp::kConnectionClosed},
        {CURLE_WEIRD_SERVER_REPLY, 421, S::Download, ftp::kConnectionClosed},
        {CURLE_WEIRD_SERVER_REPLY, 0, S::Connect, ftp::kUnexpectedReply},
        {CURLE_REMOTE_FILE_NOT_FOUND, 550, S::Download, ftp::kRemoteFileUnavailable},
        {CURLE_FTP_COULDNT_RETR_FILE, 450, S::Download, ftp::kRemoteFileUnavailable},
        {CURLE_REMOTE_ACCESS_DENIED, 550, S::Download, ftp::kRemoteFileUnavailable},
        {CURLE_REMOTE_ACCESS_DENIED, 550, S::List, ftp::kRemoteAccessDenied},
        {CURLE_REMOTE_ACCESS_DENIED, 550, S::Upload, ftp::kRemoteAccessDenied},
        {CURLE_UPLOAD_FAILED, 452, S::Upload, ftp::kServerStorageFull},
        {CURLE_UPLOAD_FAILED, 552, S::Upload, ftp::kStorageExceeded},
        {CURLE_UPLOAD_FAILED, 553, S::Upload, ftp::kInvalidFileName},
        {CURLE_UPLOAD_FAILED, 532, S::Upload, ftp::kAccountRequired},
        {CURLE_UPLOAD_FAILED, 550, S::Upload, ftp::kRemoteAccessDenied},
        {CURLE_REMOTE_DISK_FULL, 0, S::Upload, ftp::kServerStorageFull},
        {CURLE_PARTIAL_FILE, 426, S::Download, ftp::kReadFailed},
        {CURLE_PARTIAL_FILE, 0, S::Upload, ftp::kWriteFailed},
        {CURLE_FTP_ACCEPT_TIMEOUT, 0, S::Download, ftp::kAcceptFailed},
        {CURLE_FTP_PORT_FAILED, 0, S::Upload, ftp::kListenFailed},
        {CURLE_FTP_WEIRD_PASV_REPLY, 0, S::Download, ftp::kDataConnectionFailed},
        {CURLE_FTP_WEIRD_PASV_REPLY, 425, S::Download, ftp::kDataConnectionFailed},
        {CURLE_FTP_COULDNT_SET_TYPE, 504, S::Download, ftp::kInvalidFileType},
        {CURLE_QUOTE_ERROR, 502, S::List, ftp::kCommandNotImplemented},
        {CURLE_FTP_BAD_FILE_LIST, 0, S::List, ftp::kBadFileList},
        {CURLE_WRITE_ERROR, 0, S::Download, ftp::kLocalWriteFailed},
        {CURLE_READ_ERROR, 0, S::Upload, ftp::kLocalReadFailed},
        {CURLE_OUT_OF_MEMORY, 0, S::Upload, ftp::kOutOfMemory},
        {CURLE_URL_MALFORMAT, 0, S::Connect, ftp::kInvalidParameter},
        {CURLE_UNSUPPORTED_PROTOCOL, 0, S::Connect, ftp::kNetworkInit},
        {CURLE_ABORTED_BY_CALLBACK, 0, S::Download, ftp::kCancelled},
        {CURLE_USE_SSL_FAILED, 0, S::Connect, ftp::kTlsRequired},
        {CURLE_PEER_FAILED_VERIFICATION, 0, S::Connect, ftp::kServerCertificateInvalid},
        {CURLE_SSL_CONNECT_ERROR, 0, S::Connect, ftp::kTlsFailed},
        {CURLE_COULDNT_RESOLVE_PROXY, 0, S::Connect, ftp::kProxyFailed},
        {CURLE_TOO_MANY_REDIRECTS, 0, S::Connect, ftp::kServerUnknownProblem},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mapCurlResult(c.curl, c.reply, c.step), c.code)
            << curl_easy_strerror(c.curl) << " reply " << c.reply;
    }
}

TEST(CurlErrorMap, ATransferBrokenOffByAServerThatLeftIsAClosedConnection) {
    using S = FtpStep;
    struct Case {
        CURLcode curl;
        long reply;
        FtpStep step;
        FtpCode code;
    };
    const Case cases[] = {
        {CURLE_PARTIAL_FILE, 150, S::Download, ftp::kConnectionClosed},
        {CURLE_RECV_ERROR, 150, S::Download, ftp::kConnectionClosed},
        {CURLE_SEND_ERROR, 150, S::Upload, ftp::kConnectionClosed},
        {CURLE_UPLOAD_FAILED, 150, S::Upload, ftp::kConnectionClosed},
        {CURLE_GOT_NOTHING, 0, S::List, ftp::kConnectionClosed},
        // Time-outs and refusals keep their own codes.
        {CURLE_OPERATION_TIMEDOUT, 150, S::Download, ftp::kReadFailed},
        {CURLE_REMOTE_FILE_NOT_FOUND, 550, S::Download, ftp::kRemoteFileUnavailable},
        {CURLE_WRITE_ERROR, 150, S::Download, ftp::kLocalWriteFailed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mapCurlResult(c.curl, c.reply, c.step, true), c.code)
            << curl_easy_strerror(c.curl) << " reply " << c.reply;
    }
}

TEST(CurlErrorMap, AFileErrorKeepsTheSessionAConnectionErrorEndsIt) {
    EXPECT_TRUE(keepsSession(CURLE_REMOTE_FILE_NOT_FOUND, 550));
    EXPECT_TRUE(keepsSession(CURLE_UPLOAD_FAILED, 553));
    EXPECT_TRUE(keepsSession(CURLE_WRITE_ERROR, 0));
    EXPECT_FALSE(keepsSession(CURLE_UPLOAD_FAILED, 421));
    EXPECT_FALSE(keepsSession(CURLE_OPERATION_TIMEDOUT, 0));
    EXPECT_FALSE(keepsSession(CURLE_COULDNT_CONNECT, 0));
    EXPECT_TRUE(keepsSession(CURLE_PARTIAL_FILE, 426));
    EXPECT_TRUE(keepsSession(CURLE_SEND_ERROR, 125));
    EXPECT_FALSE(keepsSession(CURLE_SEND_ERROR, 125, true));
    EXPECT_FALSE(keepsSession(CURLE_PARTIAL_FILE, 150, true));

    EXPECT_TRUE(mayBeStaleConnection(CURLE_OPERATION_TIMEDOUT, 0));
    EXPECT_TRUE(mayBeStaleConnection(CURLE_FTP_COULDNT_RETR_FILE, 421));
    EXPECT_TRUE(mayBeStaleConnection(CURLE_RECV_ERROR, 0));
    EXPECT_FALSE(mayBeStaleConnection(CURLE_OPERATION_TIMEDOUT, 150));  // stalled transfer
    EXPECT_FALSE(mayBeStaleConnection(CURLE_REMOTE_FILE_NOT_FOUND, 550));
    EXPECT_FALSE(mayBeStaleConnection(CURLE_LOGIN_DENIED, 530));
}

TEST(FtpUrl, SegmentsAreEscapedAndBadSettingsRefused) {
    FtpSettings s;
    s.ServerHost = "127.0.0.1";
    s.ServerPort = "2121";
    std::string url;
    ASSERT_EQ(buildFtpUrl(s, "", url), ftp::kOk);
    EXPECT_EQ(url, "ftp://127.0.0.1:2121/");
    ASSERT_EQ(buildFtpUrl(s, "ENV/m1234001.err", url), ftp::kOk);
    EXPECT_EQ(url, "ftp://127.0.0.1:2121/ENV/m1234001.err");
    ASSERT_EQ(buildFtpUrl(s, "ENV/general/", url), ftp::kOk);
    EXPECT_EQ(url, "ftp://127.0.0.1:2121/ENV/general/");
    ASSERT_EQ(buildFtpUrl(s, "REC/a b;type=a?x#y%", url), ftp::kOk);
    EXPECT_EQ(url, "ftp://127.0.0.1:2121/REC/a%20b%3Btype%3Da%3Fx%23y%25");
    EXPECT_EQ(buildFtpUrl(s, "ENV/../odbc0.reg", url), ftp::kInvalidFileName);

    s.ServerHost = "::1";
    ASSERT_EQ(buildFtpUrl(s, "", url), ftp::kOk);
    EXPECT_EQ(url, "ftp://[::1]:2121/");

    for (const char* host : {"", "Host(0)", "a b", "evil@127.0.0.1", "h/x"}) {
        s.ServerHost = host;
        EXPECT_EQ(buildFtpUrl(s, "", url), ftp::kHostNotFound) << host;
    }
    s.ServerHost = "127.0.0.1";
    for (const char* port : {"", "abc", "0", "70000", "21x"}) {
        s.ServerPort = port;
        EXPECT_EQ(buildFtpUrl(s, "", url), ftp::kInvalidParameter) << port;
    }
}

}  // namespace
}  // namespace torva
