#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The outgoing pass: queues the new files of the patente, signs them when
// signing is on, checks day and folio, uploads them or refuses them.
void EnviaArchivos(CycleContext& ctx);

}  // namespace torva
