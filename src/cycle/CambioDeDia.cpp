#include "cycle/CambioDeDia.h"

#include "cycle/BuscaRespuestas.h"
#include "cycle/DepuraArchivos.h"
#include "names/JulianDay.h"
#include "platform/DateText.h"

namespace torva {

void CambioDeDia(CycleContext& ctx) {
    // Its own search, on the markers there now; responses found now still go
    // to the old day's log.
    ctx.faults = {};
    ListaPendientes(ctx);
    BuscaRespuestas(ctx);
    ctx.julianDay = Get_Juliano(ctx.clock);
    ctx.captions.set(Caption::DiaJuliano, std::to_string(ctx.julianDay));
    ctx.captions.set(Caption::Fecha, formatLongDate(ctx.clock.now()));
    if (ctx.config.get(slot::kPurge) == "1") {
        DepuraArchivos(ctx);
    }
}

}  // namespace torva
