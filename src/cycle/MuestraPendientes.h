#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Rebuilds `LstPendientes` from the pending markers of the patente in "Pend":
// name + " - " + "HH:mm " + " En Espera", or "No hay Archivos Pedientes" on
// the window colour; the tool-tip colour while any file is pending.
void MuestraPendientes(CycleContext& ctx);

}  // namespace torva
