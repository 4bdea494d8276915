#include "cycle/DepuraArchivos.h"

namespace torva {

void DepuraArchivos(CycleContext& /*ctx*/) {}

}  // namespace torva
