#include "cycle/TmrControl_Timer.h"

#include <cstdio>

#include "cycle/AvanzaAvisos.h"
#include "cycle/CambioDeDia.h"
#include "cycle/CicloValidacion.h"
#include "cycle/MuestraSiguienteCiclo.h"
#include "cycle/PassGuard.h"
#include "cycle/StartCaptions.h"
#include "platform/DateText.h"

namespace torva {
namespace {

constexpr std::uint8_t kMaxNoticeAge = 250;

// Countdown and pass. Skipped while a pass runs, also when it waits on a
// modal window.
void cuentaCiclo(CycleContext& ctx) {
    CycleState& cycle = ctx.cycle;
    if (cycle.passInProgress() || cycle.elapsedSeconds <= 0) {
        return;
    }
    if (!cycleRunning(ctx.captions)) {
        // Stopped while the counter ran, for example by a pass that failed a
        // check. Checked before the immediate-pass request, which would
        // otherwise run passes on a stopped cycle.
        ctx.gauges.setProgress(0);
        cycle.elapsedSeconds = 0;
    } else {
        const int length = ctx.gauges.cycleSeconds();
        if (cycle.txtActualizar == "1") {
            cycle.elapsedSeconds = static_cast<std::int16_t>(length + 1);
        }
        if (cycle.elapsedSeconds > length) {
            CicloValidacion(ctx);
        } else {
            ++cycle.elapsedSeconds;
            MuestraSiguienteCiclo(ctx);
        }
    }
    if (cycle.noticeAge < kMaxNoticeAge) {
        ++cycle.noticeAge;
    }
}

void cuentaAvisos(CycleContext& ctx) {
    if (ctx.cycle.tickerCount > 4) {
        AvanzaAvisos(ctx);
        ctx.cycle.tickerCount = 0;
    } else {
        ++ctx.cycle.tickerCount;
    }
}

void revisaCambioDeDia(CycleContext& ctx) {
    const std::string first = formatTime(ctx.clock.now());
    const std::string second = formatTime(ctx.clock.now());
    // The window repeats the late search; a day that changed outside it (a
    // pass or a stop across midnight) changes at the first tick after.
    if ((first < "00:00:01" || second > "00:00:20") && !diaCambiado(ctx)) {
        return;
    }
    // Never inside a pass: the purge would delete or move the files it is
    // working on. The pass runs it when it ends.
    if (ctx.cycle.passInProgress()) {
        ctx.cycle.dayChangePending = true;
        return;
    }
    runAsPass(ctx, [&ctx] { CambioDeDia(ctx); });
}

}  // namespace

std::string formatClockLabel(const LocalDateTime& t, const AmPmDesignators& designators) {
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d ", hour12, t.minute, t.second);
    return text + (t.hour < 12 ? designators.am : designators.pm);
}

void TmrControl_Timer(CycleContext& ctx) {
    ctx.captions.set(Caption::Hora, formatClockLabel(ctx.clock.now(), ctx.amPm));
    cuentaCiclo(ctx);
    cuentaAvisos(ctx);
    revisaCambioDeDia(ctx);
}

}  // namespace torva
