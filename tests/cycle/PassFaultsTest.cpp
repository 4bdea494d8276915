#include <gtest/gtest.h>

#include <stdexcept>

#include "cycle/CycleFixture.h"
#include "cycle/MuestraPendientes.h"
#include "cycle/MuestraRechazados.h"
#include "cycle/PassGuard.h"
#include "manual/ArchivosaEnviar.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::writeBytes;

TEST(PassGuard, OnlyTheOutermostPassClearsTheMarkAlsoWhenLeftByAnException) {
    CycleFixture f;
    CycleContext ctx = f.ctx();
    {
        const PassGuard outer(ctx);
        {
            const PassGuard inner(ctx);
            EXPECT_FALSE(inner.outermost());
        }
        EXPECT_TRUE(f.state.cycle.passInProgress());
    }
    EXPECT_FALSE(f.state.cycle.passInProgress());

    EXPECT_THROW(runAsPass(ctx, [] { throw std::runtime_error("falla"); }), std::runtime_error);
    EXPECT_FALSE(f.state.cycle.passInProgress());
}

// Detener during a pass: the pass runs to its end, then the cycle stops as
// the button stops it.
TEST(PassGuard, AStopAskedForDuringAPassStopsTheCycleWhenTheOutermostEnds) {
    CycleFixture f;
    f.runningAfterPass();
    f.state.cycle.setTestsEnabled(false);
    CycleContext ctx = f.ctx();
    runAsPass(ctx, [&] {
        runAsPass(ctx, [&] { f.state.cycle.stopRequested = true; });
        EXPECT_EQ(f.caption(Caption::StartButton), "&Detener");  // not yet
    });
    EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
    EXPECT_EQ(f.caption(Caption::Evento), "Listo para hacer Conexión");
    EXPECT_EQ(f.caption(Caption::LblComentario), "Listo para iniciar pruebas");
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
    EXPECT_TRUE(f.state.cycle.testsEnabled());
    EXPECT_FALSE(f.state.cycle.stopRequested);
    EXPECT_FALSE(f.state.cycle.passInProgress());

    // On a stopped cycle the request only goes.
    runAsPass(ctx, [&] { f.state.cycle.stopRequested = true; });
    EXPECT_FALSE(f.state.cycle.stopRequested);
    EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
}

// The day held is renewed at every tick of the window after midnight, and at
// the first tick or pass end after it when the window went by unseen.
TEST(DayChange, RunsInTheWindowAndWheneverTheDayHeldIsNotTheClocks) {
    struct Case {
        int heldDay, hour, second;
        bool runs;
    };
    for (const Case& c :
         {Case{1, 0, 0, false}, Case{1, 0, 1, true}, Case{1, 0, 20, true}, Case{1, 0, 21, false},
          Case{365, 0, 0, true}, Case{365, 0, 21, true}, Case{365, 10, 0, true}}) {
        CycleFixture f;
        f.state.julianDay = c.heldDay;
        f.clock.set({2027, 1, 1, c.hour, 0, c.second});
        f.tick();
        SCOPED_TRACE(std::to_string(c.heldDay) + " " + std::to_string(c.second));
        EXPECT_EQ(f.state.julianDay, 1);
        EXPECT_EQ(f.caption(Caption::DiaJuliano), c.runs ? "1" : "");
        EXPECT_EQ(f.caption(Caption::Fecha), c.runs ? "1 ene 2027" : "");
    }
}

TEST(DayChange, APassAcrossMidnightChangesTheDayWhenItEnds) {
    CycleFixture f;
    ConfigRecord& c = f.state.config;
    c.set(slot::kLowerFolio, "001");
    c.set(slot::kUpperFolio, "999");
    c.set(slot::kAutoSend, "0");
    f.clock.set({2026, 12, 31, 23, 59, 50});
    f.state.julianDay = 365;
    writeBytes(joinPath(f.send, "m1234001.365"), "x");
    f.dialogs.onChooseFiles = [&](FileSelection& window) {
        f.clock.set({2027, 1, 1, 0, 0, 30});  // the operator took 40 seconds
        window.send({true});
        window.closed();
    };
    f.runningAfterPass();
    f.state.cycle.elapsedSeconds = 31;
    f.tick();
    EXPECT_EQ(f.state.julianDay, 1);
    EXPECT_EQ(f.caption(Caption::DiaJuliano), "1");

    // A file of the new day is no longer refused.
    c.set(slot::kAutoSend, "1");
    removeFile(joinPath(f.send, "m1234001.365"));  // of yesterday: it would be refused
    writeBytes(joinPath(f.send, "m1234002.001"), "x");
    f.state.cycle.elapsedSeconds = 31;
    f.tick();
    EXPECT_TRUE(f.state.lists.get(ListId::Rechazados).empty());
    EXPECT_TRUE(isRegularFile(joinPath(f.send, "m1234002.001")));
}

// The tick that finds the countdown run out at 00:00:05 passes before its
// day-change step: the pass changes the day first, so the files of the new
// day are judged by it.
TEST(DayChange, APassThatBeginsOnANewDayChangesTheDayFirst) {
    CycleFixture f;
    f.state.config.set(slot::kLowerFolio, "001");
    f.state.config.set(slot::kUpperFolio, "999");
    f.state.config.set(slot::kAutoSend, "1");
    f.state.julianDay = 365;
    f.clock.set({2027, 1, 1, 0, 0, 5});
    writeBytes(joinPath(f.send, "m1234001.001"), "x");
    f.runningAfterPass();
    f.state.cycle.elapsedSeconds = 31;
    f.tick();
    EXPECT_EQ(f.state.julianDay, 1);
    EXPECT_TRUE(f.state.lists.get(ListId::Rechazados).empty());
    EXPECT_TRUE(isRegularFile(joinPath(f.send, "m1234001.001")));
}

// A pass whose files failed says so last, and the countdown leaves it in
// place until a pass without failures.
TEST(PassFailures, TheLastWordOfAFailedPassStaysUntilAPassWithoutFailures) {
    CycleFixture f;  // its client never connects
    f.state.config.set(slot::kLowerFolio, "001");
    f.state.config.set(slot::kUpperFolio, "999");
    f.state.config.set(slot::kAutoSend, "1");
    writeBytes(joinPath(f.send, "m1234001.343"), "x");
    writeBytes(joinPath(f.send, "m1234002.343"), "x");
    f.runningAfterPass();
    f.state.cycle.elapsedSeconds = 31;
    f.tick();
    const std::string report = "ERROR: 1 archivo no se pudo enviar o recibir: m1234001.343";
    EXPECT_EQ(f.caption(Caption::Evento), report);  // the second waits: no session
    f.tick();
    f.tick();
    EXPECT_EQ(f.caption(Caption::Evento), report);

    removeFile(joinPath(f.send, "m1234001.343"));
    removeFile(joinPath(f.send, "m1234002.343"));
    f.state.cycle.elapsedSeconds = 31;
    f.tick();
    f.tick();
    EXPECT_EQ(f.caption(Caption::Evento), "Siguiente ciclo en :28 Seg.");
}

TEST(DayLists, NamesAreListedInTheOrderNtfsGivesThem) {
    CycleFixture f;
    const std::vector<std::string> names = {"M1234003.343", "m1234001.343", "m1234002.343"};
    for (const char* folder : {"Pend", "Rechaza"}) {
        makeDirectory(joinPath(f.send, folder));
        for (const std::string& name : names) {
            writeBytes(f.in(folder, name), "x");
        }
    }
    CycleContext ctx = f.ctx();
    MuestraPendientes(ctx);
    MuestraRechazados(ctx);
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
              (std::vector<std::string>{"m1234001.343 - 10:07  En Espera",
                                        "m1234002.343 - 10:07  En Espera",
                                        "M1234003.343 - 10:07  En Espera"}));
    EXPECT_EQ(f.state.lists.get(ListId::Rechazados),
              (std::vector<std::string>{"m1234001.343 - RECHAZADO", "m1234002.343 - RECHAZADO",
                                        "M1234003.343 - RECHAZADO"}));
}

}  // namespace
}  // namespace torva
