#include "nettest/ComdProbar_Click.h"

#include <string>

namespace torva {

void ComdProbar_Click(PruebasContext& ctx) {
    if (!ctx.cycle.testsEnabled() || !ctx.pruebas.botonLibre(PruebaBoton::ComdProbar)) {
        return;
    }
    IcmpEcho* ping = ctx.ping1;
    if (!ping) {
        ctx.comenta(textoFallaSocket(EchoCode::SocketUnavailable), ColorComentario::Rojo);
        return;
    }
    EchoCode code = EchoCode::Ok;
    {
        const PruebaEnCurso enCurso(
            ctx.pruebas, {PruebaBoton::PingTest, PruebaBoton::ComdProbar, PruebaBoton::CmdPruebas});
        ping->setTargetHost(sinBlancos(ctx.pruebas.hostName));
        ctx.pruebas.vaciaSalida();
        ping->setSynchronous(ctx.pruebas.check1());
        code = ping->Action(EchoAction::Request);
    }
    if (ok(code)) {
        return;
    }
    if (isSocketFailure(code)) {
        ctx.comenta(textoFallaSocket(code), ColorComentario::Rojo);
    }
    ctx.dialogs.message(
        kAppTitle,
        "Fallo, direccion IP es " + ping->TargetAddress() + " (" + ping->TargetHost() + ")",
        DialogIcon::None, DialogButtons::Ok);
}

}  // namespace torva
