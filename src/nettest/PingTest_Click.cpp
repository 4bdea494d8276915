#include "nettest/PingTest_Click.h"

#include <string>

#include "state/ConfigRecord.h"

namespace torva {
namespace {

constexpr int kRequestsPerStage = 3;

struct Etapa {
    std::string encabezado;
    std::string host;
    const char* comentario;
    bool* resultado;
};

EchoCode ejecuta(PruebasContext& ctx, IcmpEcho& ping, const Etapa& etapa) {
    ctx.pruebas.agregaSalida(etapa.encabezado);
    ping.Action(EchoAction::NewTarget);
    ping.setTargetHost(etapa.host);
    ctx.captions.set(Caption::LblComentario, etapa.comentario);
    for (int i = 0; i < kRequestsPerStage; ++i) {
        if (const EchoCode code = ping.Action(EchoAction::Request); !ok(code)) {
            return code;
        }
        *etapa.resultado = true;
    }
    return EchoCode::Ok;
}

void falla(PruebasContext& ctx, EchoCode code, bool local, bool externa, bool servicio) {
    if (isSocketFailure(code)) {
        ctx.comenta(textoFallaSocket(code), ColorComentario::Rojo);
    } else if (!local) {
        ctx.comenta(
            "La comunicación no se puede dar por que conputadora no tiene activado el protocolo "
            "TCP-IP, comuniquese con su personal de Informática para que active el protocolo.",
            ColorComentario::Rojo);
    } else if (!externa) {
        ctx.comenta(
            "La comunicación no se puede dar por que la salida a Internet no esta respondiendo, "
            "reinicie su equipo, si la falla persiste comuniquese con su proveedore de Internet.",
            ColorComentario::Rojo);
    } else if (!servicio) {
        ctx.comenta(
            "La comunicación no se puede dar por que el servidor de TORVA no responde, espere "
            "unos minutos e intente nuevamente, si la falla persiste comuniquese a TORVA Centro "
            "de Prevalidación.",
            ColorComentario::Rojo);
    }
}

}  // namespace

void PingTest_Click(PruebasContext& ctx) {
    if (!ctx.cycle.testsEnabled() || !ctx.pruebas.botonLibre(PruebaBoton::PingTest)) {
        return;
    }
    ctx.pruebas.vaciaSalida();
    bool local = false;
    bool externa = false;
    bool servicio = false;
    EchoCode code = EchoCode::SocketUnavailable;
    {
        // The test's own button too: its requests wait while the window runs on.
        const PruebaEnCurso enCurso(
            ctx.pruebas, {PruebaBoton::PingTest, PruebaBoton::ComdProbar, PruebaBoton::CmdPruebas});
        if (IcmpEcho* ping = ctx.ping1) {
            ping->setClearStatistics(true);
            // Each stage waits for its replies whatever "Síncrono" says: a
            // request that is not waited for cannot fail its stage, and the
            // test would call a silent line good. The window runs on meanwhile.
            ping->setSynchronous(true);
            const std::string host = ctx.pruebas.hostName;
            const Etapa etapas[] = {
                {std::string(50, ' ') + "PROBANDO COMUNICACIÓN LOCAL\r\n", ping->LocalAddress(),
                 "Se esta Ejecutando la Prueba en forma local, mientras tanto no es posible "
                 "iniciar el proceso de validación, espere.",
                 &local},
                {"\r\n" + std::string(41, ' ') + "PROBANDO COMUNICACIÓN EXTERNA " + host + "\r\n",
                 host,
                 "Se esta Ejecutando la Prueba a un sitio externo, mientras tanto no es posible "
                 "iniciar el proceso de validación, espere.",
                 &externa},
                {"\r\n" + std::string(47, ' ') + "PROBANDO COMUNICACIÓN CON TORVA   \r\n",
                 sinBlancos(ctx.config.get(slot::kHost)),
                 "Se esta Ejecutando la Prueba a TORVA, mientras tanto no es posible iniciar el "
                 "proceso de validación, espere.",
                 &servicio},
            };
            for (const Etapa& etapa : etapas) {
                code = ejecuta(ctx, *ping, etapa);
                if (!ok(code)) {
                    break;
                }
            }
            if (ok(code)) {
                ctx.pruebas.agregaSalida(std::string(8, ' ') + std::string(47, '*') +
                                         " FIN DE PRUEBA  " + std::string(47, '*') + "\r\n");
            }
        }
    }
    if (!ok(code)) {
        falla(ctx, code, local, externa, servicio);
    } else if (local && externa && servicio) {
        ctx.comenta("La comunicación esta operando correctamente.", ColorComentario::AzulOscuro);
    }
}

}  // namespace torva
