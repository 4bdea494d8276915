#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The notice ticker: shows the notice at the notice index in `LblDespliega`,
// moves the index on (back to 0 after the last), and colours the ticker red
// for a notice that begins with "**". An index left beyond a list that a
// reload made shorter shows nothing new and starts again at 0.
void AvanzaAvisos(CycleContext& ctx);

}  // namespace torva
