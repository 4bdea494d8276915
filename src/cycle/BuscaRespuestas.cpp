#include "cycle/BuscaRespuestas.h"

namespace torva {

void BuscaRespuestas(CycleContext& /*ctx*/) {}

}  // namespace torva
