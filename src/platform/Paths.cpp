#include "platform/Paths.h"

namespace torva {

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    path += kNativeSeparator;
    path += name;
    return path;
}

bool isValidLocalDirectory(std::string_view path) {
    if (path.empty()) {
        return false;
    }
#ifdef _WIN32
    const char c = path[0];
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
#else
    return path[0] == '/';
#endif
}

bool endsWithSeparator(std::string_view path) {
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

std::string fileNameOf(std::string_view path) {
    const auto pos = path.find_last_of("/\\");
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

}  // namespace torva
