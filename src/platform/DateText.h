#pragma once

#include <string>

#include "platform/Clock.h"

namespace torva {

// "d mmm yyyy" with Spanish month abbreviations: "9 dic 2026".
std::string formatLongDate(const LocalDateTime& t);
// "HH:mm:ss".
std::string formatTime(const LocalDateTime& t);

// The designators of the hours before and after noon, in UTF-8.
struct AmPmDesignators {
    std::string am = "AM";
    std::string pm = "PM";
};
// The user's locale's designators (Windows: the user's default locale; POSIX:
// LC_TIME of the environment); "AM" and "PM" where the locale gives none or
// cannot be read.
AmPmDesignators localeAmPmDesignators();

}  // namespace torva
