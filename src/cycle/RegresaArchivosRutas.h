#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Writes the files sent today back to their route folders when the sent
// version's time differs from the route file's (signing rewrote it), so the
// next collection finds the route file in the registry. Only route files
// that still exist are refreshed; a copy that fails is reported in `Evento`.
void RegresaArchivosRutas(CycleContext& ctx);

}  // namespace torva
