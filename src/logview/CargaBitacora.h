#pragma once

#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "state/Lists.h"

namespace torva {

// Reads the day's log back into `LstEnviados` ("E" lines) and `LstRecibidos`
// (the others), appending to what they hold. A missing log is normal.
void CargaBitacora(const ConfigRecord& config, int julianDay, Captions& captions, Lists& lists);

}  // namespace torva
