#include "form/MainWindowLogic.h"

#include "cycle/CargaAvisos.h"
#include "cycle/DepuraArchivos.h"
#include "cycle/MuestraPendientes.h"
#include "cycle/MuestraRechazados.h"
#include "cycle/Start_Button_Click.h"
#include "cycle/StartCaptions.h"
#include "cycle/TmrControl_Timer.h"
#include "logview/CargaBitacora.h"
#include "names/JulianDay.h"
#include "nettest/InicializaPruebas.h"
#include "platform/DateText.h"
#include "profiles/ConfigChecks.h"
#include "transport/FtpSession.h"

namespace torva {
namespace {

void muestraPatente(MainState& state, const Clock& clock) {
    const std::string patente = state.config.patente();
    state.captions.set(Caption::Fecha, formatLongDate(clock.now()));
    state.captions.set(Caption::LblPatente, patente);
    state.captions.set(Caption::Title, std::string(kAppTitle) + "         Patente  >>> " + patente);
}

// Letter lists always; route lists when the additional routes are on. A route
// error opens the routes panel.
void RevisaConfiguracionInicial(MainState& state, MainPorts& ports) {
    const ProfileContext ctx = state.profiles(ports.dialogs);
    // At load the checks only tell the operator; the cycle checks again.
    (void)RevisaArchivosTipo(ctx);
    if (!state.config.flag(slot::kRoutes)) {
        return;
    }
    // A failed route check opens the routes panel itself.
    if (ok(RevisaRutas(ctx, state.config.get(slot::kSendRoutes),
                       state.config.get(slot::kSendLetters), kSendRoutes))) {
        (void)RevisaRutas(ctx, state.config.get(slot::kReceiveRoutes),
                          state.config.get(slot::kReceiveLetters), kReceiveRoutes);
    }
}

}  // namespace

void CargaForm1(MainState& state, MainPorts& ports, std::uint8_t profileIndex,
                const std::string& configDirectory) {
    state.captions.set(Caption::Evento, "Listo para Iniciar");
    state.gauges.setCycleSeconds(30);
    state.profileIndex = profileIndex;
    state.configDirectory = configDirectory;
    CargaConfiguracion(state.profiles(ports.dialogs), state.configPath(), ports.host);

    state.julianDay = Get_Juliano(ports.clock);
    state.captions.set(Caption::DiaJuliano, std::to_string(state.julianDay));

    CycleContext ctx = cycleContext(state, ports);
    CargaBitacora(state.config, state.julianDay, state.captions, state.lists);
    MuestraRechazados(ctx);
    MuestraPendientes(ctx);
    RevisaConfiguracionInicial(state, ports);
    if (state.config.get(slot::kPurge) == "1") {
        DepuraArchivos(ctx);
    }
    CargaAvisos(ctx);
    muestraPatente(state, ports.clock);
    PruebasContext pruebas = pruebasContext(state, ports);
    InicializaPruebas(pruebas);
    state.config.setModified(false);
}

void TmrControl_Timer(MainState& state, MainPorts& ports) {
    CycleContext ctx = cycleContext(state, ports);
    TmrControl_Timer(ctx);
}

void Start_Button_Click(MainState& state, MainPorts& ports) {
    // A connectivity test runs: the cycle waits for its end.
    if (state.pruebas.inicioBloqueado()) {
        return;
    }
    if (state.cycle.passInProgress()) {
        // Detener during a pass: it ends after the file in flight, then the
        // cycle stops. Iniciar waits for the pass that runs.
        if (cycleRunning(state.captions)) {
            state.cycle.stopRequested = true;
        }
        return;
    }
    CycleContext ctx = cycleContext(state, ports);
    Start_Button_Click(ctx);
}

void GuardaConfiguracion(MainState& state, OperatorDialogs& dialogs) {
    if (GrabaConfiguracion(state.profiles(dialogs), state.configPath())) {
        state.config.setModified(false);
    }
    state.edit.setFolioUnlocked(false);
}

bool DescargaForm1(MainState& state, OperatorDialogs& dialogs, FtpClient* ftp) {
    if (state.config.modified() &&
        askYesNo(dialogs,
                 "Se realizo una modificación en la configuración del sistema, confirmar si desea "
                 "guardar los cambios.") &&
        !GrabaConfiguracion(state.profiles(dialogs), state.configPath())) {
        return false;
    }
    if (ftp && !ok(DisconnectFromHost(*ftp))) {
        showCritical(dialogs,
                     "Hubo un error al intentar desconectarse del Host. Cerrar el programa e "
                     "iniciar nuevamente.");
    }
    return true;
}

}  // namespace torva
