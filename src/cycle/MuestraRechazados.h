#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Rebuilds `LstRechazados` from the files of the patente in "Rechaza":
// name + " - RECHAZADO".
void MuestraRechazados(CycleContext& ctx);

}  // namespace torva
