#include "nettest/CmdPruebas_Click.h"

#include <string>

namespace torva {
namespace {

void libera(PruebasState& pruebas, bool libre) {
    pruebas.setBotonLibre(PruebaBoton::PingTest, libre);
    pruebas.setBotonLibre(PruebaBoton::ComdProbar, libre);
    pruebas.setInicioBloqueado(!libre);
}

void termina(PruebasContext& ctx, IcmpEcho& ping) {
    ctx.pruebas.setCmdPruebasCaption(kCaptionIniciarPrueba);
    ping.setRepeating(false);
    ping.setClearStatistics(true);
    ctx.pruebas.setSendLabel("0");
    ctx.pruebas.setRecvLabel("0");
    ctx.pruebas.setLossLabel("0%");
    libera(ctx.pruebas, true);
    ctx.comenta("La prueba ha terminado.", ColorComentario::AzulOscuro);
}

void inicia(PruebasContext& ctx, IcmpEcho& ping) {
    ctx.pruebas.setCmdPruebasCaption(kCaptionTerminarPrueba);
    ctx.pruebas.vaciaSalida();
    ping.setTargetHost(sinBlancos(ctx.pruebas.hostName));
    // The counts, loss and rating are this test's alone.
    ping.setClearStatistics(true);
    libera(ctx.pruebas, false);
    ctx.comenta("Se esta ejecutando el modo de prueba constante a la dirección " +
                    ctx.pruebas.hostName +
                    ", el sistema estará ejecutando la prueba hasta que sea detenido en el Boton "
                    "de Terminar Prueba, mientras tanto no se permite Iniciar la Validación.",
                ColorComentario::AzulOscuro);
    ping.setSynchronous(ctx.pruebas.check1());
    ping.setRepeatInterval(1000);
    ping.setRepeating(true);
}

}  // namespace

void CmdPruebas_Click(PruebasContext& ctx) {
    IcmpEcho* ping = ctx.ping1;
    if (ping && ping->Repeating()) {
        termina(ctx, *ping);
        return;
    }
    if (!ctx.cycle.testsEnabled() || !ctx.pruebas.botonLibre(PruebaBoton::CmdPruebas)) {
        return;
    }
    // A test that could never send a request does not start.
    const EchoCode socket = ping ? ping->checkSocket() : EchoCode::SocketUnavailable;
    if (!ok(socket)) {
        ctx.comenta(textoFallaSocket(socket), ColorComentario::Rojo);
        return;
    }
    inicia(ctx, *ping);
}

}  // namespace torva
