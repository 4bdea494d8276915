#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The notice ticker: shows the next general notice in `LblDespliega`. Not
// built yet: does nothing.
void AvanzaAvisos(CycleContext& ctx);

}  // namespace torva
