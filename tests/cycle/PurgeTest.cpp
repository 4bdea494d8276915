#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "cycle/CycleFixture.h"
#include "cycle/DepuraArchivos.h"
#include "cycle/PurgeRules.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::readBytes;
using test::writeBytes;

std::vector<std::string> namesIn(const std::string& dir) {
    std::error_code ec;
    std::vector<std::string> names;
    for (const DirEntry& e : listDirectory(dir, ec)) {
        names.push_back(e.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

using Names = std::vector<std::string>;

// Day 343 (9 December), purge on; yesterday's work left in every folder.
struct PurgeFixture : CycleFixture {
    std::string backup = joinPath(receive, "Respalda");

    PurgeFixture() {
        state.config.set(slot::kPurge, "1");
        for (const char* d : {"Pend", "Rechaza", "Enviados"}) {
            makeDirectory(joinPath(send, d));
        }
    }
    void put(const std::string& folder, std::initializer_list<const char*> names) {
        for (const char* n : names) {
            writeBytes(joinPath(folder, n), std::string("contenido de ") + n);
        }
    }
    void purge() {
        CycleContext c = ctx();
        DepuraArchivos(c);
    }
};

TEST(Purge, FirstStartOfTheDayLeavesOnlyTodayAndKeepsResponsesInRespalda) {
    PurgeFixture f;
    f.put(f.send, {"m1234001.343", "m1234001.342", "M1234002.342", "ea1234001342", "m9999001.342",
                   "bitacora"});
    writeBytes(joinPath(f.send, "m1234003.342"), "solo lectura");
    setReadOnly(joinPath(f.send, "m1234003.342"), true);
    makeDirectory(joinPath(f.send, "m1234004.342"));
    f.put(joinPath(f.send, "Pend"), {"m1234005.342", "m1234005.343", "m9999005.342"});
    f.put(joinPath(f.send, "Rechaza"), {"m1234006.342", "m1234006.343"});
    f.put(f.receive, {"r1234001.342", "m1234001.err", "c1234001.342", "1234342.log", "R1234009.342",
                      "r1234001.343", "r9999001.342", "aviso.gen", "aviso.txt"});
    const std::string response = joinPath(f.receive, "r1234001.342");
    const auto time = std::filesystem::last_write_time(toFsPath(response)) - std::chrono::hours(5);
    std::filesystem::last_write_time(toFsPath(response), time);
    f.state.lists.set(ListId::Enviados, {"m1234001.342 - 10:00:00"});
    f.state.lists.set(ListId::Recibidos, {"r1234001.342 - 10:00:09"});
    f.state.lists.set(ListId::Rechazados, {"m1234006.342 10:00  FOLIOS MAL"});
    f.state.lists.set(ListId::Pendientes, {"m1234005.342 - 10:00  En Espera"});

    f.purge();

    EXPECT_EQ(namesIn(f.send), (Names{"Enviados", "Pend", "Rechaza", "m1234001.343", "m1234003.342",
                                      "m1234004.342", "m9999001.342"}));
    EXPECT_EQ(namesIn(f.in("Pend", "")), (Names{"m1234005.343", "m9999005.342"}));
    EXPECT_EQ(namesIn(f.in("Rechaza", "")), (Names{"m1234006.343"}));
    EXPECT_EQ(namesIn(f.receive), (Names{"Respalda", "aviso.gen", "r1234001.343", "r9999001.342"}));
    EXPECT_EQ(namesIn(f.backup),
              (Names{"1234342.log", "R1234009.342", "m1234001.err", "r1234001.342"}));
    const std::string copy = joinPath(f.backup, "r1234001.342");
    EXPECT_EQ(readBytes(copy), "contenido de r1234001.342");
    EXPECT_EQ(std::filesystem::last_write_time(toFsPath(copy)), time);

    for (ListId l : {ListId::Enviados, ListId::Recibidos, ListId::Rechazados}) {
        EXPECT_TRUE(f.state.lists.get(l).empty());
    }
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes).size(), 1U);  // rebuilt by the next pass
    EXPECT_EQ(f.caption(Caption::Evento), "Listo para iniciar");
    EXPECT_EQ(f.dialogs.busyDepth, 0);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(Purge, RunsOnceADayAndNeverOnInvalidFolders) {
    PurgeFixture f;
    f.put(f.send, {"m1234001.342"});
    f.put(f.receive, {"r1234001.342"});
    f.purge();
    // Again the same day, before today's log: nothing new goes.
    f.put(f.send, {"m1234001.343"});
    f.put(f.receive, {"r1234001.343"});
    const Names send = namesIn(f.send), receive = namesIn(f.receive), kept = namesIn(f.backup);
    f.purge();
    EXPECT_EQ(namesIn(f.send), send);
    EXPECT_EQ(namesIn(f.receive), receive);
    EXPECT_EQ(namesIn(f.backup), kept);

    // Today's log there: the day's work has begun and the lists stay.
    f.put(f.send, {"m1234002.342"});
    f.put(f.receive, {"1234343.log"});
    f.state.lists.set(ListId::Enviados, {"m1234001.343 - 10:00:00"});
    f.purge();
    EXPECT_TRUE(pathExists(joinPath(f.send, "m1234002.342")));
    EXPECT_EQ(f.state.lists.get(ListId::Enviados).size(), 1U);

    PurgeFixture invalid;
    invalid.put(invalid.send, {"m1234001.342"});
    invalid.state.config.set(slot::kReceiveDir, "recibo-relativo");
    invalid.purge();
    EXPECT_TRUE(pathExists(joinPath(invalid.send, "m1234001.342")));
}

TEST(Purge, SentCopiesKeepTheNineteenDaysBeforeTodayAcrossTheYear) {
    struct Case {
        int today;
        std::vector<const char*> deleted;
        std::vector<const char*> kept;
    };
    const Case cases[] = {
        {5,
         {"m1234001.005", "m1234001.100", "m1234001.351", "m9999001.200"},
         {"m1234001.001", "m1234001.004", "m1234001.352", "m1234001.366", "m1234001.err"}},
        {100,
         {"m1234001.001", "m1234001.080", "m9999001.050"},
         {"m1234001.081", "m1234001.099", "m1234001.100", "m1234001.366", "m1234001.x7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        PurgeFixture f;
        f.state.julianDay = c.today;
        const std::string sent = joinPath(f.send, "Enviados");
        for (const auto* list : {&c.deleted, &c.kept}) {
            for (const char* n : *list) {
                writeBytes(joinPath(sent, n), "x");
            }
        }
        f.purge();
        Names kept(c.kept.begin(), c.kept.end());
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(namesIn(sent), kept);
    }
    EXPECT_TRUE(venceCopiaEnviada(1, 21));
    EXPECT_FALSE(venceCopiaEnviada(2, 21));
}

TEST(Purge, SendFolderThatIsTheReceiveFolderKeepsItsResponses) {
    for (const bool sameText : {true, false}) {
        SCOPED_TRACE(sameText);
        PurgeFixture f;
        // The same folder, also when written in another case.
        const std::string sendText = sameText ? f.receive : joinPath(f.dir.path(), "RECIBO");
        f.state.config.set(slot::kSendDir, sendText);
        f.put(f.receive, {"m1234001.342", "r1234001.342", "1234342.log", "m1234001.343"});
        f.purge();
        EXPECT_EQ(namesIn(f.receive), (Names{"Respalda", "m1234001.343"}));
        EXPECT_EQ(namesIn(f.backup), (Names{"1234342.log", "r1234001.342"}));
    }
}

TEST(Purge, RouteFoldersByTheirRulesAndARouteThatIsTheReceiveFolder) {
    PurgeFixture f;
    const std::string envio = f.dir.file("ruta-envio");
    const std::string recibo = f.dir.file("ruta-recibo");
    makeDirectory(envio);
    makeDirectory(recibo);
    f.state.config.set(slot::kRoutes, "1");
    f.state.lists.set(ListId::EnvioLocal, {envio});
    f.state.lists.set(ListId::ReciboLocal, {recibo, f.receive});
    // Letter rule: e-names carry the patente one place later.
    f.put(envio, {"e1234001.342", "e1234001.343", "ea1234001342", "1234e001.342"});
    f.put(recibo, {"r1234001.342", "r1234001.343", "ra1234001342"});
    f.put(f.receive, {"r1234002.342"});
    f.purge();
    EXPECT_EQ(namesIn(envio), (Names{"1234e001.342", "e1234001.343"}));
    EXPECT_EQ(namesIn(recibo), (Names{"r1234001.343"}));
    EXPECT_EQ(namesIn(f.backup), (Names{"r1234002.342"}));
}

TEST(Purge, AResponseWhoseCopyFailsStaysAndIsReported) {
    PurgeFixture f;
    f.put(f.receive, {"r1234001.342", "1234342.log"});
    makeDirectory(f.backup);
    makeDirectory(joinPath(f.backup, "r1234001.342"));  // the copy cannot land
    f.purge();
    EXPECT_EQ(readBytes(joinPath(f.receive, "r1234001.342")), "contenido de r1234001.342");
    EXPECT_FALSE(pathExists(joinPath(f.receive, "1234342.log")));
    EXPECT_EQ(readBytes(joinPath(f.backup, "1234342.log")), "contenido de 1234342.log");
    EXPECT_NE(f.caption(Caption::Evento).find("no se pudo copiar r1234001.342"), std::string::npos);
}

// The tick in the first seconds of a new day: the old day's last search,
// then the new day and its purge.
TEST(Purge, TheDayChangeAtMidnightPurgesYesterday) {
    PurgeFixture f;
    f.put(f.send, {"m1234001.343"});
    f.put(f.receive, {"r1234001.343", "1234343.log"});
    f.clock.set({2026, 12, 10, 0, 0, 5});
    f.tick();
    EXPECT_EQ(f.state.julianDay, 344);
    EXPECT_EQ(f.caption(Caption::DiaJuliano), "344");
    EXPECT_EQ(namesIn(f.send), (Names{"Enviados", "Pend", "Rechaza"}));
    EXPECT_EQ(namesIn(f.backup), (Names{"1234343.log", "r1234001.343"}));
}

}  // namespace
}  // namespace torva
