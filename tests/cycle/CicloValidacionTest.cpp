#include <gtest/gtest.h>

#include "cycle/CicloValidacion.h"
#include "cycle/CycleFixture.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::writeBytes;

TEST(CicloValidacion, PassCreatesItsFoldersListsPendingAndLeavesTheCycleWaiting) {
    CycleFixture f;
    f.runningAfterPass();
    f.state.lists.set(ListId::Enviados, {"m1234001.343 - 09:00:00", "m1234002.343 - 09:01:00"});
    makeDirectory(joinPath(f.send, "Pend"));
    // Of letters that are not configured: searched for by no one, so the
    // offline client is never asked and the notices are due.
    writeBytes(f.in("Pend", "b1234003.343"), "x");
    writeBytes(f.in("Pend", "b9999003.343"), "x");  // another patente's marker
    f.state.cycle.noticeAge = 241;
    f.state.captions.set(Caption::LblDespliega, "aviso");

    CycleContext ctx = f.ctx();
    CicloValidacion(ctx);

    EXPECT_TRUE(isDirectory(joinPath(f.send, "Enviados")));
    EXPECT_EQ(f.state.cycle.pendingListingPath, joinPath(f.send, "Pend"));
    EXPECT_EQ(f.state.cycle.pendingListing,
              (std::vector<std::string>{"b1234003.343", "b9999003.343"}));
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
              (std::vector<std::string>{"b1234003.343 - 10:07  En Espera"}));
    // Notices fetched again, their age reset.
    EXPECT_EQ(f.state.cycle.noticeAge, 0);
    EXPECT_EQ(f.caption(Caption::LblDespliega), "Listo para iniciar");
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 1);
    EXPECT_EQ(f.state.gauges.progress(), 1);
    EXPECT_EQ(f.state.lists.selected(ListId::Enviados), 1);
    EXPECT_EQ(f.state.lists.selected(ListId::Pendientes), 0);
    EXPECT_EQ(f.state.lists.selected(ListId::Recibidos), -1);
    EXPECT_EQ(f.caption(Caption::StartButton), "&Detener");
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(f.dialogs.busyDepth, 0);
}

// A failed letter or route check stops the cycle, but the closing steps still
// rebuild the pending list; the next tick puts the counter and bar to 0.
TEST(CicloValidacion, FailedCheckStopsTheCycleAndStillRebuildsThePendingList) {
    struct Case {
        const char* name;
        const char* sendLetters;
        const char* receiveLetters;
        const char* routes;  // "" when the additional routes are off
        const char* sendRoutes;
        const char* receiveRoutes;
        const char* message;
    };
    const Case cases[] = {
        {"letters", "m,e", "m", "0", "", "",
         "ERROR: Es imposible continuar, en la configuración de tipos de Archivos, no coinciden "
         "el numero de los tipos de archivos de Envio y Recibo"},
        {"invalid route", "m", "m", "1", "relativo", "{r1}",
         "ERROR: Es imposible continuar, en la configuración de Rutas Adicionales, al menos una "
         "de las Rutas de Envio Local no es valida"},
        {"route count", "m,e,a", "m,e", "1", "{r1},{r2},{r3}", "{r1},{r2}",
         "ERROR: No existe el mismo numero de Rutas para Envio y de Recibo de Archivos"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CycleFixture f;
        auto routes = [&f](std::string text) {
            for (const char* r : {"r1", "r2", "r3"}) {
                const std::string key = std::string("{") + r + "}";
                for (auto at = text.find(key); at != std::string::npos; at = text.find(key)) {
                    text.replace(at, key.size(), f.dir.file(r));
                }
                makeDirectory(f.dir.file(r));
            }
            return text;
        };
        ConfigRecord& config = f.state.config;
        config.set(slot::kSendLetters, c.sendLetters);
        config.set(slot::kReceiveLetters, c.receiveLetters);
        config.set(slot::kRoutes, c.routes);
        config.set(slot::kSendRoutes, routes(c.sendRoutes));
        config.set(slot::kReceiveRoutes, routes(c.receiveRoutes));
        makeDirectory(joinPath(f.send, "Pend"));
        writeBytes(f.in("Pend", "m1234003.343"), "x");
        f.runningAfterPass();
        f.state.cycle.elapsedSeconds = 31;
        f.state.cycle.setTestsEnabled(false);

        f.tick();

        ASSERT_EQ(f.dialogs.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
        EXPECT_EQ(f.caption(Caption::Evento), "Listo para hacer Conexión");
        EXPECT_EQ(f.state.cycle.shownTab(), kTabConfiguracion);
        EXPECT_TRUE(f.state.cycle.testsEnabled());
        EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
                  (std::vector<std::string>{"m1234003.343 - 10:07  En Espera"}));
        EXPECT_EQ(f.state.cycle.elapsedSeconds, 1);
        f.tick();
        EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
        EXPECT_EQ(f.state.gauges.progress(), 0);
    }
}

// Unusable local folders end the pass at once: no folders made, no closing
// steps.
TEST(CicloValidacion, MissingSendFolderStopsThePassBeforeAnythingElse) {
    CycleFixture f;
    const std::string gone = joinPath(f.dir.path(), "borrado");
    f.state.config.set(slot::kSendDir, gone);
    f.state.lists.set(ListId::Pendientes, {"antes"});
    f.runningAfterPass();
    f.state.cycle.elapsedSeconds = 31;

    f.tick();

    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_TRUE(f.dialogs.shown[0].text.starts_with(
        "ERROR: es imposible continuar, en la Configuración del Sistema, uno o ambos"));
    EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
    EXPECT_EQ(f.state.cycle.shownTab(), kTabConfiguracion);
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes), std::vector<std::string>{"antes"});
    EXPECT_FALSE(pathExists(gone));
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
}

}  // namespace
}  // namespace torva
