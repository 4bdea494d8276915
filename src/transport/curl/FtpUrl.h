#pragma once

#include <string>
#include <string_view>

#include "transport/FtpClient.h"

namespace torva {

// "ftp://host:port/" followed by the remote path, each segment escaped, so a
// name is always a name: never a query, a type suffix or another directory.
// kOk, or the code for a host or port that cannot make a URL.
FtpCode buildFtpUrl(const FtpSettings& settings, std::string_view remotePath, std::string& url);

}  // namespace torva
