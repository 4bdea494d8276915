#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Copies the responses received today to the receive folders of their routes. Built later: for now
// it does nothing.
void DistribuyeRespuestas(CycleContext& ctx);

}  // namespace torva
