#include "platform/DateText.h"

#include <cstdio>

namespace torva {

std::string formatLongDate(const LocalDateTime& t) {
    static constexpr const char* kMonths[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                              "jul", "ago", "sep", "oct", "nov", "dic"};
    return std::to_string(t.day) + " " + kMonths[(t.month - 1) % 12] + " " + std::to_string(t.year);
}

std::string formatTime(const LocalDateTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

}  // namespace torva
