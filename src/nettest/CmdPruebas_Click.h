#pragma once

#include "nettest/PruebasContext.h"

namespace torva {

// `CmdPruebas`: starts the constant test (one request a second to the host
// of `HostName`) or stops the one that runs.
void CmdPruebas_Click(PruebasContext& ctx);

}  // namespace torva
