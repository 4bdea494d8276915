#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Loads the general notices of aviso.gen into `LstMensajes` and the
// particular notice. Not built yet: does nothing.
void CargaAvisos(CycleContext& ctx);

}  // namespace torva
