#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The daily purge of the previous day's files. Not built yet: does nothing.
void DepuraArchivos(CycleContext& ctx);

}  // namespace torva
