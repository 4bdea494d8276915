#pragma once

#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "state/EditState.h"

namespace torva {

// Selects an option button of the server panel: the primary server copies
// slot 8 into slot 0, the secondary slot 9.
void SeleccionaServidor(ConfigRecord& config, EditState& edit, ServerOption option);

// Applies and deletes the instruction file "server.dat" of the receive
// directory: a first line of 1 selects the secondary server, anything else
// the primary one.
void CambiaServidor(ConfigRecord& config, EditState& edit, Captions& captions);

}  // namespace torva
