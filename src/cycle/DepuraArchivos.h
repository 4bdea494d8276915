#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// The daily purge, at the first run of a day (today's log not there yet):
// clears the day lists, the registry, the earlier days' files of the patente
// in the send, pending, rejected and route folders, moves the earlier days'
// responses and logs of the receive folder to "Respalda", removes
// "aviso.txt" and keeps the sent copies of the last nineteen days. Files it
// could not secure or remove stay where they are, and `Evento` says so.
void DepuraArchivos(CycleContext& ctx);

}  // namespace torva
