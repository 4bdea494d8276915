#include "form/MainWindowLogic.h"

#include "names/JulianDay.h"
#include "platform/DateText.h"
#include "profiles/ConfigChecks.h"
#include "profiles/Panels.h"
#include "transport/FtpSession.h"

namespace torva {
namespace {

// Start-up steps whose subsystems are not built yet; each keeps its place.
void CargaBitacora(MainState&) {}
void MuestraRechazados(MainState&) {}
void MuestraPendientes(MainState&) {}
void DepuraArchivos(MainState&, MainPorts&) {}
void CargaAvisos(MainState&) {}
void InicializaPruebas(MainState&) {}

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
    RevisaArchivosTipo(ctx);
    if (!state.config.flag(slot::kRoutes)) {
        return;
    }
    if (!ok(RevisaRutas(ctx, state.config.get(slot::kSendRoutes),
                        state.config.get(slot::kSendLetters), kSendRoutes))) {
        CmdRutas(ctx);
    } else if (!ok(RevisaRutas(ctx, state.config.get(slot::kReceiveRoutes),
                               state.config.get(slot::kReceiveLetters), kReceiveRoutes))) {
        CmdRutas(ctx);
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

    CargaBitacora(state);
    MuestraRechazados(state);
    MuestraPendientes(state);
    RevisaConfiguracionInicial(state, ports);
    if (state.config.get(slot::kPurge) == "1") {
        DepuraArchivos(state, ports);
    }
    CargaAvisos(state);
    muestraPatente(state, ports.clock);
    InicializaPruebas(state);
    state.config.setModified(false);
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
