#include "cycle/CicloValidacion.h"

#include "cycle/BuscaRespuestas.h"
#include "cycle/CambioDeDia.h"
#include "cycle/EnviaArchivos.h"
#include "cycle/FallasPasada.h"
#include "cycle/MuestraPendientes.h"
#include "cycle/PassGuard.h"
#include "cycle/PatenteFiles.h"
#include "cycle/Start_Button_Click.h"
#include "cycle/StartCaptions.h"
#include "cycle/TraeAvisos.h"
#include "names/WorkDirs.h"
#include "platform/FileSystem.h"
#include "profiles/ConfigChecks.h"

namespace torva {
namespace {

constexpr std::uint8_t kNoticeRefreshAge = 240;

// Stops a running cycle and shows the configuration tab.
void detieneCiclo(CycleContext& ctx) {
    if (cycleRunning(ctx.captions)) {
        Start_Button_Click(ctx);
        ctx.cycle.showTab(kTabConfiguracion);
    }
}

// Creates the folder when it is missing; false, with a message, when it
// cannot be created.
bool aseguraDirectorio(CycleContext& ctx, const std::string& path) {
    if (isDirectory(path)) {
        return true;
    }
    if (makeDirectory(path)) {
        showCritical(ctx.dialogs, "ERROR: No fue posible crear el directorio " + path +
                                      ", revise la Configuración del Sistema.");
        return false;
    }
    return true;
}

void enviaYBusca(CycleContext& ctx) {
    EnviaArchivos(ctx);
    BuscaRespuestas(ctx);
}

// The letter check, or the route checks when the additional routes are on,
// and the stages when they pass.
void etapas(CycleContext& ctx) {
    if (!ctx.config.flag(slot::kRoutes)) {
        if (!ok(RevisaArchivosTipo(ctx.profiles()))) {
            detieneCiclo(ctx);
            return;
        }
        enviaYBusca(ctx);
        return;
    }
    if (!ok(RevisaRutas(ctx.profiles(), ctx.config.get(slot::kSendRoutes),
                        ctx.config.get(slot::kSendLetters), kSendRoutes)) ||
        !ok(RevisaRutas(ctx.profiles(), ctx.config.get(slot::kReceiveRoutes),
                        ctx.config.get(slot::kReceiveLetters), kReceiveRoutes))) {
        detieneCiclo(ctx);
        return;
    }
    if (ctx.lists.get(ListId::ArchivosE).size() != ctx.lists.get(ListId::ArchivosR).size()) {
        showCritical(
            ctx.dialogs,
            "ERROR: No existe el mismo numero de Rutas para Envio y de Recibo de Archivos");
        detieneCiclo(ctx);
        return;
    }
    enviaYBusca(ctx);
}

void cierre(CycleContext& ctx) {
    // Without a session, or with a stop asked for, the notices wait.
    if (ctx.cycle.noticeAge > kNoticeRefreshAge && !ctx.transfersEnded()) {
        TraeAvisos(ctx);
        ctx.cycle.noticeAge = 0;
    }
    MuestraPendientes(ctx);
    // The session is closed either way; the next pass connects anew.
    (void)DisconnectFromHost(ctx.ftp);
}

void pasada(CycleContext& ctx) {
    if (!ok(RevisaDir(ctx.profiles()))) {
        if (cycleRunning(ctx.captions)) {
            Start_Button_Click(ctx);
        }
        ctx.cycle.showTab(kTabConfiguracion);
        return;
    }
    ctx.cycle.elapsedSeconds = 0;
    {
        const BusyCursor busy(ctx.dialogs);
        const WorkDirs dirs = workDirs(ctx.config);
        if (aseguraDirectorio(ctx, dirs.sent) && aseguraDirectorio(ctx, dirs.pending)) {
            ListaPendientes(ctx);
            etapas(ctx);
        } else {
            detieneCiclo(ctx);
        }
        cierre(ctx);
    }
    if (ctx.faults.failed > 0) {
        ctx.captions.set(Caption::Evento, reporteFallas(ctx.faults));
    }
    ctx.cycle.elapsedSeconds = 1;
    ctx.gauges.setProgress(1);
    for (ListId id :
         {ListId::Enviados, ListId::Recibidos, ListId::Pendientes, ListId::Rechazados}) {
        ctx.lists.select(id, static_cast<int>(ctx.lists.get(id).size()) - 1);
    }
}

}  // namespace

void CicloValidacion(CycleContext& ctx) {
    const PassGuard guard(ctx);
    if (guard.outermost()) {
        ctx.faults = {};  // inside a start, what the start met holds
    }
    // A day that changed since the last tick changes before the pass judges
    // the files by it; the pass has not touched them yet.
    if (diaCambiado(ctx)) {
        ctx.cycle.dayChangePending = false;
        const PassFaults faults = ctx.faults;
        CambioDeDia(ctx);
        ctx.faults = faults;
    }
    pasada(ctx);
}

}  // namespace torva
