#include "cycle/PassGuard.h"

#include "cycle/CambioDeDia.h"

namespace torva {

void endPass(CycleContext& ctx) {
    // Still marked as a pass: a tick during the day change's own dialogs
    // defers once more instead of running it inside itself.
    while (ctx.cycle.dayChangePending) {
        ctx.cycle.dayChangePending = false;
        CambioDeDia(ctx);
    }
    ctx.cycle.setPassInProgress(false);
}

}  // namespace torva
