#include "cycle/PassGuard.h"

#include <exception>

#include "cycle/CambioDeDia.h"
#include "cycle/Start_Button_Click.h"
#include "cycle/StartCaptions.h"
#include "names/JulianDay.h"

namespace torva {
namespace {

// Still marked as a pass: a tick during these steps' own dialogs defers
// once more instead of running them inside themselves.
void finPasada(CycleContext& ctx) {
    if (ctx.cycle.stopRequested) {
        ctx.cycle.stopRequested = false;
        if (cycleRunning(ctx.captions)) {
            Start_Button_Click(ctx);  // as Detener
        }
    }
    while (ctx.cycle.dayChangePending || diaCambiado(ctx)) {
        ctx.cycle.dayChangePending = false;
        CambioDeDia(ctx);
    }
}

}  // namespace

bool diaCambiado(const CycleContext& ctx) {
    // 0: no day held yet (the window has not loaded).
    return ctx.julianDay != 0 && Get_Juliano(ctx.clock) != ctx.julianDay;
}

PassGuard::PassGuard(CycleContext& ctx)
    : ctx_(ctx), outermost_(!ctx.cycle.passInProgress()), exceptions_(std::uncaught_exceptions()) {
    ctx_.cycle.setPassInProgress(true);
}

PassGuard::~PassGuard() {
    if (!outermost_) {
        return;
    }
    // Unwinding: only the mark goes, the deferred steps wait for the next end.
    // A failure of those steps is dropped too: a mark left set would hold
    // the cycle still for good.
    if (std::uncaught_exceptions() == exceptions_) {
        try {
            finPasada(ctx_);
        } catch (...) {  // NOLINT(bugprone-empty-catch)
        }
    }
    ctx_.cycle.setPassInProgress(false);
}

}  // namespace torva
