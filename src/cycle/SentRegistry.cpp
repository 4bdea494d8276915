#include "cycle/SentRegistry.h"

#include <cstdio>

#include "platform/Clock.h"
#include "platform/Text.h"

namespace torva {

std::string fileTimeText(FileTime time) {
    const LocalDateTime t = toLocalDateTime(time);
    char text[80];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

std::string registryLine(const std::string& name, FileTime modified) {
    return asciiLower(name) + "|" + fileTimeText(modified);
}

}  // namespace torva
