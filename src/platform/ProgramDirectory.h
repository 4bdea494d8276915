#pragma once

#include <string>

namespace torva {

// The directory of the running executable, without a trailing separator.
std::string programDirectory();

// The local host's name and an IPv4 address of it (127.0.0.1 when it has no
// other), read from the local system without any network traffic.
std::string localHostName();
std::string localHostAddress();

// The system-information program the machine's registry names (MSINFO32),
// empty where there is none.
std::string systemInfoProgram();

}  // namespace torva
