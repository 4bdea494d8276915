#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Writes the files sent in this pass back to their route folders when the sent version differs.
// Built later: for now it does nothing.
void RegresaArchivosRutas(CycleContext& ctx);

}  // namespace torva
