#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The response search: looks for the response of every pending marker of the
// patente, downloads it and records its arrival.
void BuscaRespuestas(CycleContext& ctx);

}  // namespace torva
