#include <gtest/gtest.h>

#include "cycle/AvanzaAvisos.h"
#include "cycle/CargaAvisoParticular.h"
#include "cycle/CargaAvisos.h"
#include "cycle/CycleFixture.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::writeBytes;
using Names = std::vector<std::string>;

TEST(Notices, GeneralNoticesSplitAtLineEndsAndLoneLineFeeds) {
    struct Case {
        const char* bytes;
        Names notices;
    };
    const Case cases[] = {
        {"A\nB\nC", {"A", "B", "C"}},
        {"A\rB\rC\r", {"A", "B", "C"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\n\nB", {"A", "", "B"}},
        {"A\r\n\r\nB", {"A", "", "B"}},
        {"A\nB\n\r\nC", {"A", "B", "C"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(avisosGenerales(c.bytes), c.notices);
    }
}

TEST(Notices, LoadShowsTheFirstNoticeAndTheParticularOne) {
    CycleFixture f;
    CycleContext ctx = f.ctx();
    CargaAvisos(ctx);
    EXPECT_EQ(f.state.lists.get(ListId::Mensajes), Names{"No hay avisos"});

    writeBytes(joinPath(f.receive, "aviso.gen"), "**Atenci\xf3n: mantenimiento\r\nBienvenido\r\n");
    writeBytes(joinPath(f.receive, "aviso.txt"), "Pago recibido, gracias por su preferencia\r\n");
    CargaAvisos(ctx);
    EXPECT_EQ(f.state.lists.get(ListId::Mensajes),
              (Names{"**Atención: mantenimiento", "Bienvenido"}));
    EXPECT_EQ(f.caption(Caption::LblDespliega), "**Atención: mantenimiento");
    EXPECT_EQ(f.caption(Caption::LblAvisoParticular), "Pago recibidogracias por su preferencia");
    EXPECT_EQ(f.caption(Caption::Evento), "Cargando Avisos Generales...");

    // Purged overnight: the label keeps its last text.
    removeFile(joinPath(f.receive, "aviso.txt"));
    CargaAvisos(ctx);
    EXPECT_EQ(f.caption(Caption::LblAvisoParticular), "Pago recibidogracias por su preferencia");

    f.state.config.set(slot::kReceiveDir, "1relativo");  // no local path anywhere
    CargaAvisos(ctx);
    EXPECT_TRUE(f.state.lists.get(ListId::Mensajes).empty());
}

TEST(Notices, ParticularNoticeReadsCommaFields) {
    struct Case {
        const char* bytes;
        const char* shown;
    };
    const Case cases[] = {
        {"Hola mundo, adios mundo", "Hola mundoadios mundo"},
        {"  \"uno, dos\" , tres \r\ncuatro", "uno, dostrescuatro"},
        {"uno\ndos,tres", " uno dostres"},
        {"uno\n", " uno "},
        {"\"abierto, sin cierre\r\notro", "abierto, sin cierreotro"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(avisoParticular(c.bytes), c.shown);
    }
}

// Every sixth tick shows the next notice, red on "**", dark blue otherwise.
TEST(Notices, TickerRotatesEverySixthTickWithItsColours) {
    CycleFixture f;
    f.state.lists.set(ListId::Mensajes, {"**Urgente", "Normal"});
    auto sixTicks = [&f] {
        for (int i = 0; i < 6; ++i) {
            f.tick();
        }
    };
    sixTicks();
    EXPECT_EQ(f.caption(Caption::LblDespliega), "**Urgente");
    EXPECT_TRUE(f.state.cycle.tickerAlert());
    sixTicks();
    EXPECT_EQ(f.caption(Caption::LblDespliega), "Normal");
    EXPECT_FALSE(f.state.cycle.tickerAlert());
    sixTicks();
    EXPECT_EQ(f.caption(Caption::LblDespliega), "**Urgente");

    CycleContext ctx = f.ctx();
    f.state.lists.set(ListId::Mensajes, {"Solo"});
    f.state.cycle.noticeIndex = 0;
    for (int i = 0; i < 3; ++i) {
        AvanzaAvisos(ctx);
        EXPECT_EQ(f.caption(Caption::LblDespliega), "Solo");
        EXPECT_EQ(f.state.cycle.noticeIndex, 0);
    }
}

TEST(Notices, TickerAfterAShorterReloadStartsAgain) {
    CycleFixture f;
    CycleContext ctx = f.ctx();
    f.state.lists.set(ListId::Mensajes, {"uno", "dos", "tres", "cuatro"});
    for (int i = 0; i < 3; ++i) {
        AvanzaAvisos(ctx);
    }
    EXPECT_EQ(f.state.cycle.noticeIndex, 3);
    writeBytes(joinPath(f.receive, "aviso.gen"), "**A\r\nB\r\n");
    CargaAvisos(ctx);
    AvanzaAvisos(ctx);  // the index lies beyond the list: nothing new shown
    EXPECT_EQ(f.caption(Caption::LblDespliega), "**A");
    EXPECT_EQ(f.state.cycle.noticeIndex, 0);
    AvanzaAvisos(ctx);
    EXPECT_EQ(f.caption(Caption::LblDespliega), "**A");
    EXPECT_TRUE(f.state.cycle.tickerAlert());
    AvanzaAvisos(ctx);
    EXPECT_EQ(f.caption(Caption::LblDespliega), "B");
}

}  // namespace
}  // namespace torva
