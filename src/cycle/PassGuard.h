#pragma once

#include "cycle/CycleContext.h"

namespace torva {

// Marks work as a pass for as long as it lives: ticks start no pass and
// defer the day change, also while it waits on a modal window. Nested guards
// leave the mark to the outermost, whose end (by any way out of its scope)
// runs what waited for it: a stop the operator asked for, then the day
// change when the clock's day is no longer the one held.
class PassGuard {
  public:
    explicit PassGuard(CycleContext& ctx);
    ~PassGuard();
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

    bool outermost() const { return outermost_; }

  private:
    CycleContext& ctx_;
    bool outermost_;
    int exceptions_;
};

// Runs work under a PassGuard.
template <typename Work>
void runAsPass(CycleContext& ctx, Work&& work) {
    const PassGuard guard(ctx);
    work();
}

// The day the clock shows is not the julian day held.
bool diaCambiado(const CycleContext& ctx);

}  // namespace torva
