// The transfers of the libcurl client: one file up, one file down, a whole
// remote directory down, a directory's names.
#include <curl/curl.h>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/LocalFile.h"
#include "platform/Paths.h"
#include "transport/curl/CurlFtpClient.h"
#include "transport/curl/FtpUrl.h"
#include "transport/RemoteNames.h"

namespace torva {
namespace {

constexpr long kReplyFileUnavailable = 450;

struct Source {
    std::ifstream in;
    bool started = false;  // the server accepted the upload: a remote file exists
    bool failed = false;
};

std::size_t readSource(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto* source = static_cast<Source*>(user);
    source->started = true;
    source->in.read(buffer, static_cast<std::streamsize>(size * count));
    if (source->in.bad()) {
        source->failed = true;
        return CURL_READFUNC_ABORT;
    }
    return static_cast<std::size_t>(source->in.gcount());
}

struct Sink {
    LocalFile file;
    bool failed = false;
};

std::size_t writeSink(char* data, std::size_t size, std::size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    if (!sink->file.write(data, size * count)) {
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

std::string remoteBaseName(const std::string& remotePath) {
    const auto slash = remotePath.find_last_of('/');
    return slash == std::string::npos ? remotePath : remotePath.substr(slash + 1);
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
        if (!source.started && !source.failed && retryable(a, tries)) {
            freshConnection_ = true;
            continue;
        }
        const FtpCode code = source.failed ? ftp::kLocalReadFailed : failure(a, FtpStep::Upload);
        // The service must not take the part that arrived for the file.
        if (source.started && !removePartialUpload(remotePath)) {
            report_.partialUploadLeft = true;
        }
        return code;
    }
}

bool CurlFtpClient::removePartialUpload(const std::string& remotePath) {
    if (!connected_) {
        return false;
    }
    std::string url;
    if (buildFtpUrl(session_, remotePath, url) != ftp::kOk) {
        return false;
    }
    curl_slist* commands =
        curl_slist_append(nullptr, ("DELE " + remoteBaseName(remotePath)).c_str());
    if (!commands) {
        return false;
    }
    // SIZE first: a file that is not there needs no DELE; then DELE in the
    // file's directory.
    const Attempt a = perform(url, [&](CURL* h) {
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(h, CURLOPT_POSTQUOTE, commands);
    });
    curl_slist_free_all(commands);
    if (a.result == CURLE_OK || a.result == CURLE_REMOTE_FILE_NOT_FOUND) {
        return true;
    }
    // Only the session's fate matters here: the caller reports the upload's own code.
    (void)failure(a, FtpStep::Upload);
    return false;
}

void CurlFtpClient::sweepLeftovers(const std::string& directory) {
    if (batching_) {
        // The batch's own reading of the folder comes first; this one
        // waits for its end.
        sweepAfterBatch_.insert(directory);
        return;
    }
    // A temporary file untouched for twice the call bound belongs to no
    // running download; the folder is looked at again after that long.
    const auto age = std::chrono::seconds(2 * std::max(session_.timeouts.call, 1L));
    const auto now = Clock::now();
    auto& last = swept_[directory];
    if (last != Clock::time_point{} && now - last < age) {
        return;
    }
    if (sweeping_) {
        return;  // the last sweep is still at it; this folder's turn comes later
    }
    last = now;
    if (sweeper_.joinable()) {
        sweeper_.join();
    }
    // Files of this batch wait for their commit, however long the batch.
    std::set<std::string> staged;
    for (const Staged& s : staged_) {
        staged.insert(s.temporary);
    }
    auto sweep = [directory, age, staged = std::move(staged), this] {
        // Only the names are read: a folder of 50,000 responses keeps none.
        std::vector<std::string> leftovers;
        std::error_code ec;
        forEachName(directory, ec, [&leftovers](std::string_view name) {
            if (isTemporaryDownloadName(name)) {
                leftovers.emplace_back(name);
            }
        });
        const auto oldest = std::chrono::system_clock::now() - age;
        for (const std::string& name : leftovers) {
            const std::string path = joinPath(directory, name);
            const auto time = modificationTime(path);
            if (staged.count(path) == 0 && isRegularFile(path) && time && *time < oldest) {
                (void)removeFile(path);
            }
        }
        sweeping_ = false;
    };
    // Beside the transfers, so that a folder of any size costs them nothing.
    sweeping_ = true;
    try {
        sweeper_ = std::thread(std::move(sweep));
    } catch (const std::system_error&) {
        sweep();
    }
}

FtpCode CurlFtpClient::download(const std::string& localPath, const std::string& remotePath,
                                bool* absent) {
    std::string url;
    if (const FtpCode c = buildFtpUrl(session_, remotePath, url); c != ftp::kOk) {
        return c;
    }
    // The file arrives beside its target and replaces it only when complete.
    // The folder is found without regard to case; the name is taken as
    // written, so that a folder of any size costs no listing.
    const std::filesystem::path target = toFsPath(localPath);
    const std::string directory = resolvePath(fromFsPath(target.parent_path()));
    if (!isDirectory(directory)) {
        return ftp::kLocalCreateFailed;
    }
    const std::string finalPath = joinPath(directory, fromFsPath(target.filename()));
    sweepLeftovers(directory);
    // Most responses are not there yet: unless a listing showed the file, ask
    // for its size first, which needs no data connection. A server without
    // SIZE lets it pass.
    const bool listed = listed_.count(remotePath) != 0;
    for (int tries = 0;; ++tries) {
        const Attempt probe =
            listed ? Attempt{}
                   : perform(url, [](CURL* h) { curl_easy_setopt(h, CURLOPT_NOBODY, 1L); });
        if (probe.result != CURLE_OK) {
            if (retryable(probe, tries)) {
                freshConnection_ = true;
                continue;
            }
            const FtpCode code = failure(probe, FtpStep::Download);
            if (absent) {
                *absent = code == ftp::kRemoteFileUnavailable;
            }
            return code;
        }
        // Created before the transfer: an empty remote file calls no callback.
        Sink sink;
        std::string temp;
        for (int n = 0; n < 8 && temp.empty(); ++n) {
            const std::string candidate =
                joinPath(directory, temporaryDownloadName(static_cast<std::uint32_t>(random_())));
            if (sink.file.create(candidate)) {
                temp = candidate;
            } else if (!sink.file.existed()) {
                break;
            }
        }
        if (temp.empty()) {
            return ftp::kLocalCreateFailed;
        }
        const Attempt a = perform(url, [&](CURL* h) {
            curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, writeSink);
            curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
        });
        const bool written =
            (batching_ ? sink.file.close() : sink.file.syncAndClose()) && !sink.failed;
        if (a.result == CURLE_OK && written && batching_) {
            staged_.push_back({temp, finalPath});
            return ftp::kOk;
        }
        if (a.result == CURLE_OK && written) {
            if (moveFileReplaceExact(temp, finalPath)) {
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
            const FtpCode code = failure(a, FtpStep::Download);
            if (listed && absent && code == ftp::kRemoteFileUnavailable && connected_) {
                // Unprobed: a sub-directory, or a file gone since the
                // listing, if SIZE does not know it either.
                const Attempt size =
                    perform(url, [](CURL* h) { curl_easy_setopt(h, CURLOPT_NOBODY, 1L); });
                *absent = size.result != CURLE_OK &&
                          failure(size, FtpStep::Download) == ftp::kRemoteFileUnavailable;
            }
            return code;
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
                                 std::vector<std::string>& names,
                                 std::vector<std::string>* caseDuplicates) {
    std::string listing;
    if (const FtpCode c = list(remoteDirectory, listing); c != ftp::kOk) {
        return c;
    }
    names = parseNameList(listing, remoteDirectory, caseDuplicates);
    for (const std::string& name : names) {
        listed_.insert(joinRemote(remoteDirectory, name));
    }
    return ftp::kOk;
}

FtpCode CurlFtpClient::downloadAll(const std::string& localDirectory,
                                   const std::string& remoteDirectory, const std::string& mask) {
    if (!isDirectory(localDirectory)) {
        return ftp::kLocalDirectoryInvalid;
    }
    std::vector<std::string> names;
    std::vector<std::string> duplicates;
    if (const FtpCode c = listNames(remoteDirectory, names, &duplicates); c != ftp::kOk) {
        return c;
    }
    // A file there under another case is replaced, not twinned.
    const FolderIndex local(localDirectory);
    for (const std::string& name : names) {
        if (!matchesMask(name, mask)) {
            continue;
        }
        bool absent = false;
        const FtpCode c = download(local.pathOf(name), joinRemote(remoteDirectory, name), &absent);
        // A sub-directory, or a file removed since the listing: not a file to fetch.
        if (c == ftp::kOk || absent) {
            continue;
        }
        report_.failedFiles.push_back({name, c});
        if (!connected_) {
            // The session is lost: the rest waits for the next fetch.
            break;
        }
    }
    // Would land on a file of the same name in another case.
    for (const std::string& name : duplicates) {
        if (matchesMask(name, mask)) {
            report_.failedFiles.push_back({name, ftp::kInvalidFileName});
        }
    }
    return report_.failedFiles.empty() ? ftp::kOk : report_.failedFiles.front().code;
}

}  // namespace torva
