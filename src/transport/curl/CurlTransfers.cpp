// The transfers of the libcurl client: one file up, one file down, a whole
// remote directory down.
#include <curl/curl.h>
#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "transport/curl/CurlFtpClient.h"
#include "transport/curl/FtpUrl.h"
#include "transport/RemoteNames.h"

namespace torva {
namespace {

constexpr long kReplyFileUnavailable = 450;

struct Source {
    std::ifstream in;
    bool failed = false;
};

std::size_t readSource(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto* source = static_cast<Source*>(user);
    source->in.read(buffer, static_cast<std::streamsize>(size * count));
    if (source->in.bad()) {
        source->failed = true;
        return CURL_READFUNC_ABORT;
    }
    return static_cast<std::size_t>(source->in.gcount());
}

struct Sink {
    std::ofstream out;
    bool failed = false;
};

std::size_t writeSink(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    sink->out.write(data, static_cast<std::streamsize>(size * count));
    if (!sink->out) {
        sink->failed = true;
        return 0;
    }
    return size * count;
}

std::size_t appendText(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

std::string joinRemote(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == '/') {
        return directory + name;
    }
    return directory + "/" + name;
}

}  // namespace

FtpCode CurlFtpClient::upload(const std::string& localPath, const std::string& remotePath) {
    std::string url;
    if (const FtpCode c = buildFtpUrl(session_, remotePath, url); c != ftp::kOk) {
        return c;
    }
    const std::string local = resolvePath(localPath);
    if (!isRegularFile(local)) {
        return ftp::kLocalOpenFailed;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(toFsPath(local), ec);
    if (ec) {
        return ftp::kLocalOpenFailed;
    }
    for (int tries = 0;; ++tries) {
        Source source;
        source.in.open(toFsPath(local), std::ios::binary);
        if (!source.in) {
            return ftp::kLocalOpenFailed;
        }
        const Attempt a = perform(url, [&](CURL* h) {
            curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(h, CURLOPT_READFUNCTION, readSource);
            curl_easy_setopt(h, CURLOPT_READDATA, &source);
            // A short upload is then an error, not a success.
            curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
        });
        if (a.result == CURLE_OK) {
            return ftp::kOk;
        }
        if (source.failed) {
            return ftp::kLocalReadFailed;
        }
        if (!retryable(a, tries)) {
            return failure(a, FtpStep::Upload);
        }
        freshConnection_ = true;
    }
}

FtpCode CurlFtpClient::download(const std::string& localPath, const std::string& remotePath) {
    std::string url;
    if (const FtpCode c = buildFtpUrl(session_, remotePath, url); c != ftp::kOk) {
        return c;
    }
    // The file arrives beside its target and replaces it only when complete.
    const std::filesystem::path target = toFsPath(localPath);
    const std::string directory = resolvePath(fromFsPath(target.parent_path()));
    const std::string temp = temporaryPathFor(fromFsPath(toFsPath(directory) / target.filename()));
    for (int tries = 0;; ++tries) {
        // Most responses are not there yet: ask for the size first, which
        // needs no data connection. A server without SIZE lets it pass.
        const Attempt probe =
            perform(url, [](CURL* h) { curl_easy_setopt(h, CURLOPT_NOBODY, 1L); });
        if (probe.result != CURLE_OK) {
            if (retryable(probe, tries)) {
                freshConnection_ = true;
                continue;
            }
            return failure(probe, FtpStep::Download);
        }
        Sink sink;
        // Created before the transfer: an empty remote file calls no callback.
        sink.out.open(toFsPath(temp), std::ios::binary | std::ios::trunc);
        if (!sink.out) {
            return ftp::kLocalCreateFailed;
        }
        const Attempt a = perform(url, [&](CURL* h) {
            curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeSink);
            curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
        });
        sink.out.close();
        if (a.result == CURLE_OK && !sink.failed && !sink.out.fail()) {
            if (moveFileReplace(temp, localPath)) {
                removeFile(temp);
                return ftp::kLocalWriteFailed;
            }
            return ftp::kOk;
        }
        removeFile(temp);
        if (sink.failed || a.result == CURLE_OK) {
            return ftp::kLocalWriteFailed;
        }
        if (!retryable(a, tries)) {
            return failure(a, FtpStep::Download);
        }
        freshConnection_ = true;
    }
}

FtpCode CurlFtpClient::list(const std::string& remoteDirectory, std::string& listing) {
    std::string url;
    if (const FtpCode c = buildFtpUrl(session_, remoteDirectory + "/", url); c != ftp::kOk) {
        return c;
    }
    for (int tries = 0;; ++tries) {
        listing.clear();
        const Attempt a = perform(url, [&](CURL* h) {
            curl_easy_setopt(h, CURLOPT_DIRLISTONLY, 1L);
            curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, appendText);
            curl_easy_setopt(h, CURLOPT_WRITEDATA, &listing);
        });
        if (a.result == CURLE_OK) {
            return ftp::kOk;
        }
        // Some servers answer an empty directory's NLST with 450.
        if (a.reply == kReplyFileUnavailable && keepsSession(a.result, a.reply)) {
            listing.clear();
            return ftp::kOk;
        }
        if (!retryable(a, tries)) {
            return failure(a, FtpStep::List);
        }
        freshConnection_ = true;
    }
}

FtpCode CurlFtpClient::listNames(const std::string& remoteDirectory,
                                 std::vector<std::string>& names) {
    std::string listing;
    if (const FtpCode c = list(remoteDirectory, listing); c != ftp::kOk) {
        return c;
    }
    names = parseNameList(listing, remoteDirectory);
    return ftp::kOk;
}

FtpCode CurlFtpClient::downloadAll(const std::string& localDirectory,
                                   const std::string& remoteDirectory, const std::string& mask) {
    if (!isDirectory(localDirectory)) {
        return ftp::kLocalDirectoryInvalid;
    }
    std::string listing;
    if (const FtpCode c = list(remoteDirectory, listing); c != ftp::kOk) {
        return c;
    }
    const std::string local = resolvePath(localDirectory);
    for (const std::string& name : parseNameList(listing, remoteDirectory)) {
        if (!matchesMask(name, mask)) {
            continue;
        }
        const FtpCode c = download(joinPath(local, name), joinRemote(remoteDirectory, name));
        // A sub-directory, or a file removed since the listing: not a file to fetch.
        if (c != ftp::kOk && c != ftp::kRemoteFileUnavailable) {
            return c;
        }
    }
    return ftp::kOk;
}

}  // namespace torva
