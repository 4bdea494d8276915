#include "cycle/RegresaArchivosRutas.h"

namespace torva {

void RegresaArchivosRutas(CycleContext& /*ctx*/) {}

}  // namespace torva
