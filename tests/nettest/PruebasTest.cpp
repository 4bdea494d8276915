#include <gtest/gtest.h>

#include "form/MainWindowLogic.h"
#include "nettest/CalificaEnlace.h"
#include "nettest/CmdPruebas_Click.h"
#include "nettest/ComdProbar_Click.h"
#include "nettest/Ping1_EchoReply.h"
#include "nettest/PingTest_Click.h"
#include "nettest/PruebasFixture.h"

namespace torva {
namespace {

using test::PruebasFixture;

const std::string kLocal = std::string(50, ' ') + "PROBANDO COMUNICACIÓN LOCAL\r\n";
const std::string kExterna = "\r\n" + std::string(41, ' ') + "PROBANDO COMUNICACIÓN EXTERNA ";
const std::string kTorva = "\r\n" + std::string(47, ' ') + "PROBANDO COMUNICACIÓN CON TORVA   \r\n";
const std::string kFin =
    std::string(8, ' ') + std::string(47, '*') + " FIN DE PRUEBA  " + std::string(47, '*') + "\r\n";
const std::string kFallaInternet =
    "La comunicación no se puede dar por que la salida a Internet no esta respondiendo, reinicie "
    "su equipo, si la falla persiste comuniquese con su proveedore de Internet.";

// A system where no ICMP socket can be had.
class DeniedEcho final : public EchoTransport {
  public:
    EchoCode check() override { return EchoCode::SocketDenied; }
    EchoOutcome echo(const std::string&, std::uint16_t, int, bool) override {
        ADD_FAILURE() << "a request went out";
        return {EchoCode::SocketDenied, 0, 0, {}};
    }
};

bool allFree(const PruebasState& p) {
    return p.botonLibre(PruebaBoton::PingTest) && p.botonLibre(PruebaBoton::ComdProbar) &&
           p.botonLibre(PruebaBoton::CmdPruebas) && !p.inicioBloqueado();
}

TEST(Pruebas, StartUpState) {
    PruebasFixture f;
    f.ping.setSynchronous(false);
    f.ping.setReplyTimeout(50);
    f.pruebas.setCheck1(false);
    InicializaPruebas(f.ctx);
    EXPECT_TRUE(f.pruebas.check1());
    EXPECT_TRUE(f.ping.Synchronous());
    EXPECT_FALSE(f.ping.Repeating());
    EXPECT_EQ(f.ping.ReplyTimeout(), 2000);
    EXPECT_EQ(f.pruebas.cmdPruebasCaption(), "I&niciar Prueba");
    EXPECT_EQ(f.pruebas.sendLabel(), "0");
    EXPECT_EQ(f.pruebas.recvLabel(), "0");
    EXPECT_EQ(f.pruebas.lossLabel(), "0%");
}

TEST(Pruebas, ThreeStagesOnLoopbackEndWithTheClosingLineAndTheGoodNews) {
    TORVA_NEED_ICMP();
    PruebasFixture f;
    f.pruebas.hostName = "intranet.prueba";
    std::vector<bool> lockedWhileWaiting;
    f.runner.whileWaiting = [&] {
        lockedWhileWaiting.push_back(f.pruebas.inicioBloqueado() &&
                                     !f.pruebas.botonLibre(PruebaBoton::PingTest) &&
                                     !f.pruebas.botonLibre(PruebaBoton::CmdPruebas));
    };
    PingTest_Click(f.ctx);

    EXPECT_EQ(lockedWhileWaiting, std::vector<bool>(9, true));
    const std::string& out = f.pruebas.salida();
    const auto externa = out.find(kExterna + "intranet.prueba\r\n");
    const auto torva = out.find(kTorva);
    EXPECT_EQ(out.rfind(kLocal, 0), 0U) << out;
    ASSERT_NE(externa, std::string::npos);
    ASSERT_NE(torva, std::string::npos);
    EXPECT_LT(externa, torva);
    EXPECT_EQ(out.substr(out.size() - kFin.size()), kFin);
    EXPECT_EQ(f.pruebas.sendLabel(), "9");
    EXPECT_EQ(f.pruebas.recvLabel(), "9");
    EXPECT_EQ(f.pruebas.resultado(), "Excelente");
    EXPECT_EQ(f.comentario(), "La comunicación esta operando correctamente.");
    EXPECT_EQ(f.pruebas.colorComentario(), ColorComentario::AzulOscuro);
    EXPECT_TRUE(allFree(f.pruebas));
}

TEST(Pruebas, AnUnreachableOutsideHostNamesTheInternetAndTheServiceIsNotTried) {
    TORVA_NEED_ICMP();
    for (const bool synchronous : {true, false}) {
        SCOPED_TRACE(synchronous);
        PruebasFixture f;
        f.pruebas.setCheck1(synchronous);
        f.pruebas.hostName = "no.existe.prueba";
        std::vector<std::string> targets;
        f.runner.whileWaiting = [&] { targets.push_back(f.ping.TargetHost()); };
        PingTest_Click(f.ctx);

        EXPECT_EQ(targets, (std::vector<std::string>{"127.0.0.1", "127.0.0.1", "127.0.0.1",
                                                     "no.existe.prueba"}));
        EXPECT_EQ(f.comentario(), kFallaInternet);
        EXPECT_EQ(f.pruebas.colorComentario(), ColorComentario::Rojo);
        EXPECT_NE(f.pruebas.salida().find(kExterna), std::string::npos);
        EXPECT_EQ(f.pruebas.salida().find(kTorva), std::string::npos);
        EXPECT_EQ(f.pruebas.salida().find("FIN DE PRUEBA"), std::string::npos);
        EXPECT_TRUE(allFree(f.pruebas));
    }
}

TEST(Pruebas, NoSocketIsSaidInRedAndNothingRuns) {
    DeniedEcho denied;
    PruebasFixture f(denied);
    const std::string texto = textoFallaSocket(EchoCode::SocketDenied);
    ASSERT_FALSE(texto.empty());

    PingTest_Click(f.ctx);
    EXPECT_EQ(f.comentario(), texto);
    EXPECT_EQ(f.pruebas.colorComentario(), ColorComentario::Rojo);
    EXPECT_TRUE(allFree(f.pruebas));

    f.captions.set(Caption::LblComentario, "");
    CmdPruebas_Click(f.ctx);
    EXPECT_EQ(f.comentario(), texto);
    EXPECT_FALSE(f.ping.Repeating());
    EXPECT_EQ(f.pruebas.cmdPruebasCaption(), "I&niciar Prueba");
    EXPECT_TRUE(allFree(f.pruebas));

    f.captions.set(Caption::LblComentario, "");
    ComdProbar_Click(f.ctx);
    EXPECT_EQ(f.comentario(), texto);
    EXPECT_EQ(f.dialogs.texts(), std::vector<std::string>{"Fallo, direccion IP es  (127.0.0.1)"});
}

TEST(Pruebas, OneFailedRequestShowsItsBoxAndLeavesLossAndRatingAlone) {
    TORVA_NEED_ICMP();
    PruebasFixture f;
    f.pruebas.setResultado("Buena");
    f.pruebas.hostName = "  no.existe.prueba ";
    ComdProbar_Click(f.ctx);

    ASSERT_EQ(f.dialogs.shown.size(), 1U);
    EXPECT_EQ(f.dialogs.shown[0].title, "TORVA Centro de Prevalidación");
    EXPECT_EQ(f.dialogs.shown[0].text, "Fallo, direccion IP es  (no.existe.prueba)");
    EXPECT_EQ(f.dialogs.shown[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(f.pruebas.sendLabel(), "1");
    EXPECT_EQ(f.pruebas.lossLabel(), "0%");
    EXPECT_EQ(f.pruebas.resultado(), "Buena");
    EXPECT_TRUE(allFree(f.pruebas));

    f.pruebas.hostName = "127.0.0.1";
    ComdProbar_Click(f.ctx);
    EXPECT_EQ(f.dialogs.shown.size(), 1U);
    EXPECT_NE(f.pruebas.salida().find("Ping a [127.0.0.1]"), std::string::npos);
}

TEST(Pruebas, LossAndRatingFromTheCounts) {
    TORVA_NEED_ICMP();
    PruebasFixture f;
    f.ping.setTargetHost("127.0.0.1");
    for (int i = 0; i < 9; ++i) {
        f.ping.Action(EchoAction::Request);
    }
    f.ping.setTargetHost("no.existe.prueba");
    EXPECT_EQ(f.ping.Action(EchoAction::Request), EchoCode::HostUnknown);
    EXPECT_EQ(f.pruebas.sendLabel(), "10");
    EXPECT_EQ(f.pruebas.recvLabel(), "9");
    EXPECT_EQ(f.pruebas.lossLabel(), "10%");
    EXPECT_EQ(f.pruebas.resultado(), "Excelente");
}

TEST(Pruebas, RatingTable) {
    struct Case {
        int received;
        int sent;
        const char* rating;
    } cases[] = {{9, 10, "Excelente"}, {4, 5, "Buena"},       {7, 10, "Regular"},
                 {5, 10, "Mala"},      {4, 10, "Deficiente"}, {3, 4, "Buena"},
                 {13, 20, "Regular"},  {10, 10, "Excelente"}, {0, 3, "Deficiente"}};
    for (const auto& c : cases) {
        PruebasState p;
        p.setRecvLabel(std::to_string(c.received));
        p.setSendLabel(std::to_string(c.sent));
        CalificaEnlace(p);
        EXPECT_EQ(p.resultado(), c.rating) << c.received << " of " << c.sent;
    }
    PruebasState none;
    none.setRecvLabel("0");
    none.setSendLabel("0");
    none.setResultado("Buena");
    CalificaEnlace(none);
    EXPECT_EQ(none.resultado(), "Buena");
}

TEST(Pruebas, ReplyLineAndItsLoss) {
    TORVA_NEED_ICMP();
    PruebasFixture f;
    f.ping.setTargetHost("127.0.0.1");
    f.ping.Action(EchoAction::Request);
    f.pruebas.vaciaSalida();
    Ping1_EchoReply(f.ctx, 5, 16, 3);
    EXPECT_EQ(f.pruebas.salida(),
              "   Ping a [127.0.0.1]: 32 bytes enviados, 16 bytes recibidos, icmp_seq=5, lapso=3 "
              "ms  50% Perdidas\r\n");
    struct Case {
        std::uint16_t bytes;
        const char* loss;
    } cases[] = {{32, "0"}, {16, "50"}, {0, "100"}, {31, "3.125"}, {8, "75"}, {40, "-25"}};
    for (const auto& c : cases) {
        EXPECT_EQ(perdidaRespuesta(c.bytes), c.loss) << c.bytes;
    }
}

TEST(Pruebas, OutputEmptiedOnceItHoldsMoreThan30000Characters) {
    struct Case {
        std::string before;
        bool emptied;
    } cases[] = {
        {std::string(30001, 'x'), true},
        {std::string(30000, 'x'), false},
        // Characters, not bytes: 30000 two-byte characters are kept.
        {[] {
             std::string s;
             for (int i = 0; i < 30000; ++i) {
                 s += "Ó";
             }
             return s;
         }(),
         false},
    };
    for (const auto& c : cases) {
        PruebasState p;
        p.agregaSalida(c.before);
        p.agregaSalida("fin\r\n");
        EXPECT_EQ(p.salida(), c.emptied ? "fin\r\n" : c.before + "fin\r\n") << c.before.size();
    }
}

TEST(Pruebas, ConstantTestRunsUntilStoppedAndLocksTheOthers) {
    TORVA_NEED_ICMP();
    for (const bool synchronous : {false, true}) {
        SCOPED_TRACE(synchronous);
        PruebasFixture f;
        f.pruebas.setCheck1(synchronous);
        f.pruebas.hostName = " 127.0.0.1";
        // A request before: not counted in the constant test.
        ComdProbar_Click(f.ctx);
        f.runner.runUntil([&] { return f.pruebas.recvLabel() == "1"; }, 3000);
        CmdPruebas_Click(f.ctx);

        EXPECT_TRUE(f.ping.Repeating());
        EXPECT_EQ(f.ping.RepeatInterval(), 1000);
        EXPECT_EQ(f.pruebas.cmdPruebasCaption(), "Termi&nar Prueba");
        EXPECT_EQ(f.comentario(),
                  "Se esta ejecutando el modo de prueba constante a la dirección  127.0.0.1, el "
                  "sistema estará ejecutando la prueba hasta que sea detenido en el Boton de "
                  "Terminar Prueba, mientras tanto no se permite Iniciar la Validación.");
        EXPECT_FALSE(f.pruebas.botonLibre(PruebaBoton::PingTest));
        EXPECT_FALSE(f.pruebas.botonLibre(PruebaBoton::ComdProbar));
        EXPECT_TRUE(f.pruebas.botonLibre(PruebaBoton::CmdPruebas));
        EXPECT_TRUE(f.pruebas.inicioBloqueado());
        // The first at once, then one a second.
        const auto replies = [&] {
            const std::string& out = f.pruebas.salida();
            std::size_t n = 0;
            for (auto at = out.find("icmp_seq="); at != std::string::npos;
                 at = out.find("icmp_seq=", at + 1)) {
                ++n;
            }
            return n;
        };
        ASSERT_TRUE(f.runner.runUntil([&] { return replies() == 3; }, 4000));
        EXPECT_EQ(f.pruebas.sendLabel(), "3");
        EXPECT_EQ(f.pruebas.recvLabel(), "3");
        EXPECT_NE(f.pruebas.salida().find("icmp_seq=1,"), std::string::npos);
        EXPECT_EQ(f.pruebas.lossLabel(), "0%");
        EXPECT_EQ(f.pruebas.resultado(), "Excelente");

        CmdPruebas_Click(f.ctx);
        EXPECT_FALSE(f.ping.Repeating());
        EXPECT_EQ(f.pruebas.cmdPruebasCaption(), "I&niciar Prueba");
        EXPECT_EQ(f.comentario(), "La prueba ha terminado.");
        EXPECT_TRUE(allFree(f.pruebas));
        f.runner.runFor(1200);
        EXPECT_EQ(f.pruebas.sendLabel(), "0");
        EXPECT_EQ(f.pruebas.recvLabel(), "0");
        EXPECT_EQ(f.pruebas.lossLabel(), "0%");
        EXPECT_EQ(f.ping.RequestsSent(), 0);
    }
}

TEST(Pruebas, TestsAndTheCycleExcludeEachOther) {
    TORVA_NEED_ICMP();
    PruebasFixture f;
    f.cycle.setTestsEnabled(false);
    PingTest_Click(f.ctx);
    ComdProbar_Click(f.ctx);
    CmdPruebas_Click(f.ctx);
    EXPECT_EQ(f.ping.RequestsSent(), 0);
    EXPECT_FALSE(f.ping.Repeating());
    EXPECT_TRUE(f.dialogs.shown.empty());

    // The start button does nothing while a constant test runs.
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2024, 12, 31, 10, 0, 0}};
    MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
    ports.ping1 = &f.ping;
    MainState state;
    PruebasContext ctx = pruebasContext(state, ports);
    state.pruebas.hostName = "127.0.0.1";
    CmdPruebas_Click(ctx);
    ASSERT_TRUE(state.pruebas.inicioBloqueado());
    Start_Button_Click(state, ports);
    EXPECT_EQ(state.captions.get(Caption::StartButton), "&Iniciar");
    EXPECT_EQ(state.captions.get(Caption::Evento), "Listo para Iniciar");
    CmdPruebas_Click(ctx);
    EXPECT_FALSE(state.pruebas.inicioBloqueado());
}

}  // namespace
}  // namespace torva
