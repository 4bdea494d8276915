#pragma once

#include "cycle/CycleContext.h"
#include "names/SentRegistry.h"

namespace torva {

// Copies today's files of the additional send routes into the send folder
// before the scan: files of the patente (at its place or at the start of the
// name), of the route's letter, of a send letter, and not sent in their
// present state. Copies keep the route file's time, so a file once sent is
// not collected again. A copy that fails is reported in `Evento`.
void RecogeRutasAdicionales(CycleContext& ctx, const SentRegistry& registry);

}  // namespace torva
