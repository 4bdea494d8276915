#pragma once

#include "profiles/ProfileContext.h"

namespace torva {

// Selects an option button of the server panel: the primary server copies
// slot 8 into slot 0, the secondary slot 9.
void SeleccionaServidor(const ProfileContext& ctx, ServerOption option);

// Applies and deletes the instruction file "server.dat" of the receive
// directory: a first line of 1 selects the secondary server, anything else
// the primary one.
void CambiaServidor(const ProfileContext& ctx);

}  // namespace torva
