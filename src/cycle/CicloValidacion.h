#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// One pass of the cycle: checks the directories, creates "Enviados" and
// "Pend", lists the pending markers, checks the letters or routes, sends and
// looks for responses, then the closing steps. A failed check stops the
// cycle.
void CicloValidacion(CycleContext& ctx);

}  // namespace torva
