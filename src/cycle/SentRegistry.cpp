#include "cycle/SentRegistry.h"

#include <cstdio>
#include <ctime>

#include "platform/Text.h"

namespace torva {

std::string fileTimeText(FileTime time) {
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[80];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", local.tm_mday,
                  local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min,
                  local.tm_sec);
    return text;
}

std::string registryLine(const std::string& name, FileTime modified) {
    return asciiLower(name) + "|" + fileTimeText(modified);
}

}  // namespace torva
