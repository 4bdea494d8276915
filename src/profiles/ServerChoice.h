#pragma once

#include "profiles/ConfigRecord.h"
#include "state/EditState.h"

namespace torva {

// Selects an option button of the server panel: the primary server copies
// slot 8 into slot 0, the secondary slot 9.
void SeleccionaServidor(ConfigRecord& config, EditState& edit, ServerOption option);

}  // namespace torva
