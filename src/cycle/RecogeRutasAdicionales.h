#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Collects today's files of the additional send routes into the send folder before the scan. Built
// later: for now it does nothing.
void RecogeRutasAdicionales(CycleContext& ctx);

}  // namespace torva
