#include "transport/curl/CurlFtpClient.h"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/net/Socket.h"
#include "transport/curl/ControlSocket.h"
#include "transport/curl/FtpUrl.h"

namespace torva {
namespace {

// Longest single wait on the multi handle. libcurl 7.88 may wait a whole
// second with a reply already read and no socket left to wake it; a short
// bound turns that second into a few milliseconds.
constexpr int kPollSliceMs = 5;

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

// How long a closing control connection is watched for the server's end.
constexpr std::chrono::milliseconds kCloseWatch{50};

bool brokenTransfer(int result) {
    switch (static_cast<CURLcode>(result)) {
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_PARTIAL_FILE:
        case CURLE_GOT_NOTHING:
        case CURLE_UPLOAD_FAILED:
            return true;
        default:
            return false;
    }
}

void applySettings(CURL* h, const FtpSettings& s, bool fresh, long timeLeftMs) {
    const FtpTimeouts& t = s.timeouts;
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(h, CURLOPT_USERNAME, s.UserName.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, s.UserPassword.c_str());
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, timeLeftMs);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, t.connect);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, t.response);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, std::max(t.stallFloor, 1L));
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, t.stall);
    curl_easy_setopt(h, CURLOPT_ACCEPTTIMEOUT_MS, t.accept * 1000L);
    curl_easy_setopt(h, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(h, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    curl_easy_setopt(h, CURLOPT_FTPPORT, s.PassiveMode == 0 ? "-" : nullptr);
    curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, fresh ? 1L : 0L);
}

}  // namespace

CurlFtpClient::CurlFtpClient() : random_(std::random_device{}()) {
    initGlobal();
}

CurlFtpClient::~CurlFtpClient() {
    deadline_ = Clock::now() + std::chrono::seconds(session_.timeouts.quit);
    (void)quit();  // closed either way
    dropSession();
    for (const Staged& s : staged_) {
        (void)removeFile(s.temporary);  // never committed: the targets stay as they were
    }
    if (sweeper_.joinable()) {
        sweeper_.join();
    }
}

void CurlFtpClient::beginCall() {
    report_ = {};
    deadline_ = Clock::now() + std::chrono::seconds(session_.timeouts.call);
}

bool CurlFtpClient::IsConnected() const {
    return connected_ && !serverClosedControl(control_);
}

void CurlFtpClient::dropSession() {
    // What libcurl would still send or await on the connection fails at once.
    shutDownControl(control_);
    control_ = CURL_SOCKET_BAD;
    if (multi_) {
        curl_multi_cleanup(multi_);
        multi_ = nullptr;
    }
    if (handle_) {
        curl_easy_cleanup(handle_);
        handle_ = nullptr;
    }
    connected_ = false;
    listed_.clear();
}

FtpCode CurlFtpClient::quit() {
    if (!connected_ || control_ == CURL_SOCKET_BAD || serverClosedControl(control_)) {
        return ftp::kOk;
    }
    const auto bound = std::min<Clock::duration>(
        std::chrono::seconds(session_.timeouts.quit),
        std::max<Clock::duration>(deadline_ - Clock::now(), Clock::duration{}));
    return quitControl(control_, std::chrono::duration_cast<std::chrono::milliseconds>(bound));
}

int CurlFtpClient::onSocketOpened(void* self, curl_socket_t socket, curlsocktype) {
    auto* client = static_cast<CurlFtpClient*>(self);
    // The first socket of a new connection is its control connection.
    if (client->running_ && client->control_ == CURL_SOCKET_BAD) {
        client->control_ = socket;
    }
    return CURL_SOCKOPT_OK;
}

int CurlFtpClient::onSocketClosing(void* self, curl_socket_t socket) {
    auto* client = static_cast<CurlFtpClient*>(self);
    if (socket == client->control_) {
        if (client->running_ && serverLeftControl(socket, kCloseWatch)) {
            client->serverClosed_ = true;
        }
        client->control_ = CURL_SOCKET_BAD;
    }
    closeSocket(socket);
    return 0;
}

int CurlFtpClient::run() {
    if (curl_multi_add_handle(multi_, handle_) != CURLM_OK) {
        return CURLE_FAILED_INIT;
    }
    running_ = true;
    serverClosed_ = false;
    int result = CURLE_OK;
    for (int running = 1; running > 0;) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK) {
            result = CURLE_OUT_OF_MEMORY;
            break;
        }
        if (running == 0) {
            break;
        }
        long wait = -1;
        curl_multi_timeout(multi_, &wait);
        const int slice = wait < 0 || wait > kPollSliceMs ? kPollSliceMs : static_cast<int>(wait);
        if (curl_multi_poll(multi_, nullptr, 0, slice, nullptr) != CURLM_OK) {
            result = CURLE_OUT_OF_MEMORY;
            break;
        }
    }
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi_, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle_) {
            result = message->data.result;
        }
    }
    // The control connection libcurl keeps for the next call, if any.
    curl_socket_t control = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(handle_, CURLINFO_ACTIVESOCKET, &control) != CURLE_OK) {
        control = CURL_SOCKET_BAD;
    }
    control_ = control;
    running_ = false;
    curl_multi_remove_handle(multi_, handle_);
    return result;
}

CurlFtpClient::Attempt CurlFtpClient::perform(const std::string& url, const Configure& configure) {
    Attempt a;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
    if (left.count() <= 0) {
        a.result = CURLE_OPERATION_TIMEDOUT;
        return a;
    }
    curl_easy_reset(handle_);
    applySettings(handle_, session_, freshConnection_, static_cast<long>(left.count()));
    curl_easy_setopt(handle_, CURLOPT_URL, url.c_str());
    configure(handle_);
    if (freshConnection_) {
        control_ = CURL_SOCKET_BAD;
    }
    curl_easy_setopt(handle_, CURLOPT_SOCKOPTFUNCTION, onSocketOpened);
    curl_easy_setopt(handle_, CURLOPT_SOCKOPTDATA, this);
    curl_easy_setopt(handle_, CURLOPT_CLOSESOCKETFUNCTION, onSocketClosing);
    curl_easy_setopt(handle_, CURLOPT_CLOSESOCKETDATA, this);
    a.result = run();
    a.serverClosed = serverClosed_;
    // A connection libcurl kept after a broken transfer may be one the server left.
    if (!a.serverClosed && brokenTransfer(a.result) && control_ != CURL_SOCKET_BAD) {
        a.serverClosed = serverLeftControl(control_, kCloseWatch);
    }
    curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &a.reply);
    long connects = 0;
    curl_easy_getinfo(handle_, CURLINFO_NUM_CONNECTS, &connects);
    a.reused = connects == 0 && !freshConnection_;
    freshConnection_ = false;
    return a;
}

bool CurlFtpClient::retryable(const Attempt& a, int tries) const {
    return tries == 0 && a.reused && mayBeStaleConnection(a.result, a.reply) &&
           Clock::now() < deadline_;
}

FtpCode CurlFtpClient::failure(const Attempt& a, FtpStep step) {
    const FtpCode code = mapCurlResult(a.result, a.reply, step, a.serverClosed);
    if (!keepsSession(a.result, a.reply, a.serverClosed) || code == ftp::kConnectionClosed) {
        dropSession();
    }
    return code;
}

FtpCode CurlFtpClient::Connect() {
    return guarded([this]() -> FtpCode {
        beginCall();
        // Always a new login, with the settings as they are now; the old
        // session is closed whatever its QUIT answers.
        (void)quit();
        dropSession();
        session_ = settings_;
        beginCall();
        std::string url;
        if (const FtpCode c = buildFtpUrl(session_, "", url); c != ftp::kOk) {
            return c;
        }
        multi_ = curl_multi_init();
        handle_ = curl_easy_init();
        if (!multi_ || !handle_) {
            dropSession();
            return ftp::kNetworkInit;
        }
        // USER, PASS and PWD on the login directory; no transfer.
        const Attempt a = perform(url, [](CURL* h) { curl_easy_setopt(h, CURLOPT_NOBODY, 1L); });
        if (a.result != CURLE_OK) {
            dropSession();
            return mapCurlResult(a.result, a.reply, FtpStep::Connect);
        }
        connected_ = true;
        return ftp::kOk;
    });
}

FtpCode CurlFtpClient::Disconnect() {
    return guarded([this]() -> FtpCode {
        beginCall();
        const FtpCode code = quit();
        dropSession();
        return code;
    });
}

FtpCode CurlFtpClient::UploadFile(const std::string& localPath, const std::string& remotePath) {
    return guarded([&] {
        beginCall();
        return connected_ ? upload(localPath, remotePath) : ftp::kNotLoggedIn;
    });
}

FtpCode CurlFtpClient::DownloadFile(const std::string& localPath, const std::string& remotePath) {
    return guarded([&] {
        beginCall();
        return connected_ ? download(localPath, remotePath) : ftp::kNotLoggedIn;
    });
}

FtpCode CurlFtpClient::DownloadFiles(const std::string& localDirectory,
                                     const std::string& remoteDirectory, const std::string& mask) {
    return guarded([&] {
        beginCall();
        return connected_ ? downloadAll(localDirectory, remoteDirectory, mask) : ftp::kNotLoggedIn;
    });
}

FtpCode CurlFtpClient::ListNames(const std::string& remoteDirectory,
                                 std::vector<std::string>& names) {
    names.clear();
    return guarded([&] {
        beginCall();
        return connected_ ? listNames(remoteDirectory, names) : ftp::kNotLoggedIn;
    });
}

void CurlFtpClient::BeginDownloadBatch() {
    batching_ = true;
}

FtpCode CurlFtpClient::CommitDownloadBatch() {
    return guarded([this] {
        report_ = {};
        batching_ = false;
        const std::vector<Staged> staged = std::exchange(staged_, {});
        // The batch is forced to the disk at once, away from the transfers
        // (starting each file's write-back as it arrived cost every
        // transfer a trip to the disk), then each file replaces its target.
        std::vector<std::string> temporaries;
        temporaries.reserve(staged.size());
        for (const Staged& s : staged) {
            temporaries.push_back(s.temporary);
        }
        const std::vector<std::error_code> flushed = flushFiles(temporaries);
        FtpCode first = ftp::kOk;
        for (std::size_t i = 0; i < staged.size(); ++i) {
            const Staged& s = staged[i];
            if (!flushed[i] && !moveFileReplaceExact(s.temporary, s.target)) {
                continue;
            }
            (void)removeFile(s.temporary);  // the target stays as it was
            report_.failedFiles.push_back({s.target, ftp::kLocalWriteFailed});
            first = ftp::kLocalWriteFailed;
        }
        for (const std::string& directory : std::exchange(sweepAfterBatch_, {})) {
            sweepLeftovers(directory);
        }
        return first;
    });
}

}  // namespace torva
