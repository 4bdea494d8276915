#pragma once

#include <string>

#include "cycle/CycleContext.h"

namespace torva {

// The one-second tick: the clock, the countdown and the pass when it runs
// out, the notice ticker every sixth tick and the day change (between
// 00:00:01 and 00:00:20, or whenever the day held is no longer today's).
void TmrControl_Timer(CycleContext& ctx);

// The clock label: "hh:mm:ss" on the 12-hour clock and the locale's
// designator ("AM" or "PM" by default).
std::string formatClockLabel(const LocalDateTime& t, const AmPmDesignators& designators = {});

}  // namespace torva
