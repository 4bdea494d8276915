#include "cycle/CargaAvisos.h"

namespace torva {

void CargaAvisos(CycleContext& /*ctx*/) {}

}  // namespace torva
