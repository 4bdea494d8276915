#include "cycle/DistribuyeRespuestas.h"

namespace torva {

void DistribuyeRespuestas(CycleContext& /*ctx*/) {}

}  // namespace torva
