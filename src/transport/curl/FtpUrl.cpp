#include "transport/curl/FtpUrl.h"

#include <curl/curl.h>

#include "platform/Text.h"

namespace torva {
namespace {

std::string escapeSegment(std::string_view segment) {
    char* escaped = curl_easy_escape(nullptr, segment.data(), static_cast<int>(segment.size()));
    if (!escaped) {
        return {};
    }
    std::string out(escaped);
    curl_free(escaped);
    return out;
}

bool isHostText(std::string_view host) {
    if (host.empty()) {
        return false;
    }
    for (const char c : host) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_' || c == ':';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

// A control character cannot go in an FTP command: a CR or LF would end it
// early, and libcurl refuses the URL outright.
bool hasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

FtpCode buildFtpUrl(const FtpSettings& settings, std::string_view remotePath, std::string& url) {
    if (hasControlCharacter(remotePath)) {
        return ftp::kInvalidFileName;
    }
    const std::string& host = settings.ServerHost;
    if (!isHostText(host)) {
        return ftp::kHostNotFound;
    }
    const auto port = parseInteger(settings.ServerPort);
    if (!port || *port < 1 || *port > 65535) {
        return ftp::kInvalidParameter;
    }
    // An IPv6 address goes in brackets.
    const bool ipv6 = host.find(':') != std::string::npos;
    url = "ftp://" + (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(*port) + "/";
    std::size_t start = 0;
    bool first = true;
    while (start <= remotePath.size()) {
        std::size_t end = remotePath.find('/', start);
        if (end == std::string_view::npos) {
            end = remotePath.size();
        }
        const std::string_view segment = remotePath.substr(start, end - start);
        if (!segment.empty()) {
            if (segment == "." || segment == "..") {
                return ftp::kInvalidFileName;
            }
            url += (first ? "" : "/") + escapeSegment(segment);
            first = false;
        }
        start = end + 1;
    }
    if (!remotePath.empty() && remotePath.back() == '/' && !first) {
        url += '/';
    }
    return ftp::kOk;
}

}  // namespace torva
