#include "cycle/MismaCarpeta.h"

#include <filesystem>
#include <system_error>

#include "platform/FileSystem.h"

namespace torva {

bool mismaCarpeta(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    std::error_code ec;
    const bool same =
        std::filesystem::equivalent(toFsPath(resolvePath(a)), toFsPath(resolvePath(b)), ec);
    return same && !ec;
}

}  // namespace torva
