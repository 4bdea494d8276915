#pragma once

#include "nettest/PruebasContext.h"

namespace torva {

// `ComdProbar`: one request to the host of `HostName`; a failure in a
// message box with the address and the host.
void ComdProbar_Click(PruebasContext& ctx);

}  // namespace torva
