#pragma once

#include "nettest/PruebasContext.h"

namespace torva {

// The connection tab at the main window's load: "Síncrono" ticked, the
// component synchronous with a 2-second reply time-out, the counts at zero.
void InicializaPruebas(PruebasContext& ctx);

}  // namespace torva
