#include "names/SentRegistry.h"

#include <cstdio>
#include <vector>

#include "platform/Ansi.h"
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

SentRegistry SentRegistry::read(const std::string& path, std::error_code& ec) {
    SentRegistry registry;
    ec.clear();
    if (!isRegularFile(path)) {
        return registry;
    }
    std::vector<std::string> lines;
    if ((ec = readAnsiLines(path, lines))) {
        return registry;
    }
    for (const std::string& line : lines) {
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = line.find(',', start);
            registry.entries_.insert(line.substr(start, comma - start));
            if (comma == std::string::npos) {
                break;
            }
            start = comma + 1;
        }
    }
    return registry;
}

bool SentRegistry::holds(std::string_view lowerName, std::string_view timeText) const {
    std::string key;
    key.reserve(lowerName.size() + 1 + timeText.size());
    key.append(lowerName).append("|").append(timeText);
    return entries_.count(key) != 0;
}

std::error_code appendRegistryLine(const std::string& path, const std::string& name,
                                   FileTime modified) {
    return appendAnsiLines(path, {registryLine(name, modified)});
}

}  // namespace torva
