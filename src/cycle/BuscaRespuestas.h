#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// `RemoteFileListBox` pointed at "Pend" and refreshed: the markers a search
// looks for are those listed here, when its pass began.
void ListaPendientes(CycleContext& ctx);

// The response search: looks for the response of every marker of the
// pending listing that is of the patente and still there, downloads it and
// records its arrival. Ends after the marker in flight when a stop is asked
// for or the session is lost.
void BuscaRespuestas(CycleContext& ctx);

}  // namespace torva
