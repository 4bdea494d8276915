#include "cycle/Start_Button_Click.h"

#include "cycle/CicloValidacion.h"
#include "cycle/EnviaConfiguracion.h"
#include "cycle/PassGuard.h"
#include "cycle/StartCaptions.h"
#include "cycle/TraeAvisos.h"

namespace torva {
namespace {

void inicia(CycleContext& ctx) {
    ctx.captions.set(Caption::Evento, "Iniciando Conexión Espere....");
    ctx.cycle.showTab(kTabStatus);
    ctx.edit.setFolioUnlocked(false);
    FtpSession session = ctx.session();
    if (!ok(ConnectToHost(session))) {
        // Evento keeps the connection's own message.
        ctx.cycle.elapsedSeconds = 0;
        ctx.gauges.setProgress(0);
        ctx.captions.set(Caption::StartButton, kCaptionIniciar);
        ctx.cycle.showTab(kTabConfiguracion);
        return;
    }
    ctx.captions.set(Caption::StartButton, kCaptionDetener);
    ctx.cycle.setTestsEnabled(false);
    ctx.captions.set(Caption::LblComentario,
                     "Para realizar pruebas se debe detener el proceso de validación.");
    // A stop asked for meanwhile ends the start after the call in flight; a
    // session lost on the way leaves the transfers to the next pass.
    ctx.faults = {};
    TraeAvisos(ctx);
    ctx.faults.sessionLost = !ctx.ftp.IsConnected();
    if (!ctx.transfersEnded()) {
        EnviaConfiguracion(ctx);
    }
    if (!ctx.cycle.stopRequested) {
        CicloValidacion(ctx);
    }
}

void detiene(CycleContext& ctx) {
    ctx.captions.set(Caption::StartButton, kCaptionIniciar);
    ctx.captions.set(Caption::Evento, "Listo para hacer Conexión");
    if (!ok(DisconnectFromHost(ctx.ftp))) {
        showCritical(ctx.dialogs,
                     "Hubo un error al intentar desconectarse del Host. Cerrar el programa e "
                     "iniciar nuevamente.");
    }
    ctx.cycle.elapsedSeconds = 0;
    ctx.cycle.setTestsEnabled(true);
    ctx.captions.set(Caption::LblComentario, "Listo para iniciar pruebas");
}

}  // namespace

void Start_Button_Click(CycleContext& ctx) {
    // The start runs the first pass; the whole of it counts as one, so no
    // tick starts another or changes the day while a dialog of it is open.
    runAsPass(ctx, [&ctx] {
        const BusyCursor busy(ctx.dialogs);
        if (cycleRunning(ctx.captions)) {
            detiene(ctx);
        } else {
            inicia(ctx);
        }
    });
}

}  // namespace torva
