#include "cycle/RecogeRutasAdicionales.h"

namespace torva {

void RecogeRutasAdicionales(CycleContext& /*ctx*/) {}

}  // namespace torva
