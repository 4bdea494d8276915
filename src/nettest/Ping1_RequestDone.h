#pragma once

#include "nettest/PruebasContext.h"

namespace torva {

// After each request: `SendLabel`, and from the second request on the loss
// and the rating.
void Ping1_RequestDone(PruebasContext& ctx);

}  // namespace torva
