#pragma once

#include <string>

#include "platform/Clock.h"

namespace torva {

// "d mmm yyyy" with Spanish month abbreviations: "9 dic 2026".
std::string formatLongDate(const LocalDateTime& t);
// "HH:mm:ss".
std::string formatTime(const LocalDateTime& t);

}  // namespace torva
