#pragma once

#include <string>
#include <string_view>

// Path text rules that differ between Windows and POSIX.
namespace torva {

#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// Directory, the native separator and the name, by plain concatenation.
std::string joinPath(std::string_view directory, std::string_view name);

// A local directory starts with a drive letter on Windows, with "/" on POSIX.
bool isValidLocalDirectory(std::string_view path);

bool endsWithSeparator(std::string_view path);  // "/" or "\"

// The last component of a path (after the last "/" or "\").
std::string fileNameOf(std::string_view path);

}  // namespace torva
