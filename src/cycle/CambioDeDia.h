#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The day change of the tick: a last response search under the old day, the
// new julian day and date, and the daily purge when it is on (slot 22).
void CambioDeDia(CycleContext& ctx);

}  // namespace torva
