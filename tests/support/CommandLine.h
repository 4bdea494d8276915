#pragma once

#include <string>

namespace torva::test {

// One argument quoted for a POSIX shell.
std::string shellQuoted(const std::string& arg);

// One argument quoted so that a Windows program's C runtime splits it back
// as it was.
std::string windowsQuoted(const std::string& arg);

}  // namespace torva::test
