#pragma once

#include "nettest/PruebasContext.h"

namespace torva {

// `PingTest`: three requests each to the computer's own address, to the
// host of `HostName` and to the server in use; the first stage that fails
// names the fault in red.
void PingTest_Click(PruebasContext& ctx);

}  // namespace torva
