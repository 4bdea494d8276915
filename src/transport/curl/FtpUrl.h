#pragma once

#include <string>
#include <string_view>

#include "transport/FtpClient.h"

namespace torva {

// "ftp://host:port/" followed by the remote path, each segment escaped, so a
// name is always a name: never a query, a type suffix or another directory.
// kOk, kInvalidFileName for a path no FTP command can carry (a control
// character), or the code for a host or port that cannot make a URL.
FtpCode buildFtpUrl(const FtpSettings& settings, std::string_view remotePath, std::string& url);

}  // namespace torva
