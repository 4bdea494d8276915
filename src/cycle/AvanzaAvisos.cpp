#include "cycle/AvanzaAvisos.h"

namespace torva {

void AvanzaAvisos(CycleContext& /*ctx*/) {}

}  // namespace torva
