#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Runs the deferred day change, if any, and marks the pass ended.
void endPass(CycleContext& ctx);

// Runs work as a pass: while it runs, also while it waits on a modal window,
// ticks start no pass and defer the day change. When the outermost such work
// ends, a deferred day change runs.
template <typename Work>
void runAsPass(CycleContext& ctx, Work&& work) {
    const bool outermost = !ctx.cycle.passInProgress();
    ctx.cycle.setPassInProgress(true);
    work();
    if (outermost) {
        endPass(ctx);
    }
}

}  // namespace torva
