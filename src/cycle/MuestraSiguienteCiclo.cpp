#include "cycle/MuestraSiguienteCiclo.h"

#include "cycle/FallasPasada.h"

namespace torva {

namespace {
constexpr float kBarMaximum = 100;
}

void MuestraSiguienteCiclo(CycleContext& ctx) {
    const int length = ctx.gauges.cycleSeconds();
    const float step = kBarMaximum / static_cast<float>(length);
    const float value = ctx.gauges.progress();
    if (kBarMaximum > value + step) {
        if (!muestraReporteFallas(ctx.captions)) {
            ctx.captions.set(Caption::Evento,
                             "Siguiente ciclo en :" +
                                 std::to_string(length - ctx.cycle.elapsedSeconds) + " Seg.");
        }
        ctx.gauges.setProgress(value + step);
    } else {
        ctx.gauges.setProgress(1);
    }
}

}  // namespace torva
