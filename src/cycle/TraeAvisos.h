#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Downloads the service's general files from "ENV/general" into the receive
// folder, shows the notices and applies a server instruction file.
void TraeAvisos(CycleContext& ctx);

}  // namespace torva
