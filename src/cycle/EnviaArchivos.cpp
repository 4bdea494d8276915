#include "cycle/EnviaArchivos.h"

namespace torva {

void EnviaArchivos(CycleContext& /*ctx*/) {}

}  // namespace torva
