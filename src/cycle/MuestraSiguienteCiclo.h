#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The countdown: "Siguiente ciclo en :" + seconds left + " Seg." and one step
// of `ProgressBar1`, or the bar back to 1 when the step would fill it.
void MuestraSiguienteCiclo(CycleContext& ctx);

}  // namespace torva
