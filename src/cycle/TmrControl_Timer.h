#pragma once

#include <string>

#include "cycle/CycleContext.h"

namespace torva {

// The one-second tick: the clock, the countdown and the pass when it runs
// out, the notice ticker every sixth tick and, between 00:00:01 and
// 00:00:20, the day change.
void TmrControl_Timer(CycleContext& ctx);

// The clock label: "hh:mm:ss AM" or "PM" on the 12-hour clock.
std::string formatClockLabel(const LocalDateTime& t);

}  // namespace torva
