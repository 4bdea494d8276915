#include "transport/curl/CurlFtpClient.h"

#include <curl/curl.h>
#include <exception>
#include <new>

#include "transport/curl/FtpUrl.h"

namespace torva {
namespace {

// libcurl's global state, set up once for the program.
struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

void initGlobal() {
    static CurlGlobal global;
}

// The client answers with codes only: nothing thrown leaves it.
template <typename F>
FtpCode guarded(F&& call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return ftp::kOutOfMemory;
    } catch (const std::exception&) {
        return ftp::kServerUnknownProblem;
    }
}

// Header lines of a size query would otherwise go to standard output.
std::size_t discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

void applySettings(CURL* h, const FtpSettings& s, bool fresh) {
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(h, CURLOPT_USERNAME, s.UserName.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, s.UserPassword.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, s.timeouts.connect);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, s.timeouts.response);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, s.timeouts.stall);
    curl_easy_setopt(h, CURLOPT_ACCEPTTIMEOUT_MS, s.timeouts.accept * 1000L);
    curl_easy_setopt(h, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(h, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    curl_easy_setopt(h, CURLOPT_FTPPORT, s.PassiveMode == 0 ? "-" : nullptr);
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, fresh ? 1L : 0L);
}

}  // namespace

CurlFtpClient::CurlFtpClient() {
    initGlobal();
}

CurlFtpClient::~CurlFtpClient() {
    closeHandle();
}

void CurlFtpClient::closeHandle() {
    if (handle_) {
        // Sends QUIT on the open control connection, bounded by the reply wait.
        curl_easy_cleanup(handle_);
        handle_ = nullptr;
    }
    connected_ = false;
}

CurlFtpClient::Attempt CurlFtpClient::perform(const std::string& url, const Configure& configure) {
    curl_easy_reset(handle_);
    applySettings(handle_, session_, freshConnection_);
    curl_easy_setopt(handle_, CURLOPT_URL, url.c_str());
    configure(handle_);
    Attempt a;
    a.result = curl_easy_perform(handle_);
    curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &a.reply);
    long connects = 0;
    curl_easy_getinfo(handle_, CURLINFO_NUM_CONNECTS, &connects);
    a.reused = connects == 0 && !freshConnection_;
    freshConnection_ = false;
    return a;
}

bool CurlFtpClient::retryable(const Attempt& a, int tries) {
    return tries == 0 && a.reused && mayBeStaleConnection(a.result, a.reply);
}

FtpCode CurlFtpClient::failure(const Attempt& a, FtpStep step) {
    if (!keepsSession(a.result, a.reply)) {
        closeHandle();
    }
    return mapCurlResult(a.result, a.reply, step);
}

FtpCode CurlFtpClient::Connect() {
    return guarded([this]() -> FtpCode {
        // Always a new login, with the settings as they are now.
        closeHandle();
        session_ = settings_;
        std::string url;
        if (const FtpCode c = buildFtpUrl(session_, "", url); c != ftp::kOk) {
            return c;
        }
        handle_ = curl_easy_init();
        if (!handle_) {
            return ftp::kNetworkInit;
        }
        // USER, PASS and PWD on the login directory; no transfer.
        const Attempt a = perform(url, [](CURL* h) { curl_easy_setopt(h, CURLOPT_NOBODY, 1L); });
        if (a.result != CURLE_OK) {
            closeHandle();
            return mapCurlResult(a.result, a.reply, FtpStep::Connect);
        }
        connected_ = true;
        return ftp::kOk;
    });
}

FtpCode CurlFtpClient::Disconnect() {
    return guarded([this]() -> FtpCode {
        closeHandle();
        return ftp::kOk;
    });
}

FtpCode CurlFtpClient::UploadFile(const std::string& localPath, const std::string& remotePath) {
    return guarded([&] { return connected_ ? upload(localPath, remotePath) : ftp::kNotLoggedIn; });
}

FtpCode CurlFtpClient::DownloadFile(const std::string& localPath, const std::string& remotePath) {
    return guarded(
        [&] { return connected_ ? download(localPath, remotePath) : ftp::kNotLoggedIn; });
}

FtpCode CurlFtpClient::DownloadFiles(const std::string& localDirectory,
                                     const std::string& remoteDirectory, const std::string& mask) {
    return guarded([&] {
        return connected_ ? downloadAll(localDirectory, remoteDirectory, mask) : ftp::kNotLoggedIn;
    });
}

FtpCode CurlFtpClient::ListNames(const std::string& remoteDirectory,
                                 std::vector<std::string>& names) {
    names.clear();
    return guarded(
        [&] { return connected_ ? listNames(remoteDirectory, names) : ftp::kNotLoggedIn; });
}

}  // namespace torva
