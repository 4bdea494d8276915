#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Uploads the profile's configuration file as "REC/" + user + "odbc" +
// profile index + ".reg". The result is not examined.
void EnviaConfiguracion(CycleContext& ctx);

}  // namespace torva
