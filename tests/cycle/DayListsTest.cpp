#include <gtest/gtest.h>

#include "cycle/CycleFixture.h"
#include "cycle/MuestraPendientes.h"
#include "cycle/MuestraRechazados.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::writeBytes;

// One folder of each kind with files of the patente, of another patente, an
// e-name of each layout and a subfolder that looks like a file of the patente.
void fill(CycleFixture& f, const std::string& folder) {
    makeDirectory(joinPath(f.send, folder));
    for (const char* name : {"m1234001.343", "m9999002.343", "ea1234001343", "e1234005.343",
                             "e9999005.343", "s12340010001343"}) {
        writeBytes(f.in(folder, name), "x");
    }
    makeDirectory(f.in(folder, "m1234009.343"));
}

TEST(DayLists, PendingAndRejectedListOnlyFilesOfThePatente) {
    CycleFixture f;
    fill(f, "Pend");
    fill(f, "Rechaza");
    CycleContext ctx = f.ctx();
    MuestraPendientes(ctx);
    MuestraRechazados(ctx);

    EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
              (std::vector<std::string>{
                  "e1234005.343 - 10:07  En Espera", "ea1234001343 - 10:07  En Espera",
                  "m1234001.343 - 10:07  En Espera", "s12340010001343 - 10:07  En Espera"}));
    EXPECT_EQ(f.state.lists.background(ListId::Pendientes), ListBackground::ToolTip);
    EXPECT_EQ(
        f.state.lists.get(ListId::Rechazados),
        (std::vector<std::string>{"e1234005.343 - RECHAZADO", "ea1234001343 - RECHAZADO",
                                  "m1234001.343 - RECHAZADO", "s12340010001343 - RECHAZADO"}));
}

TEST(DayLists, NothingPendingShowsItsTextOnTheWindowColour) {
    struct Case {
        const char* name;
        bool makeFolder;
        const char* file;
    };
    for (const Case& c : {Case{"no folder", false, nullptr}, Case{"empty", true, nullptr},
                          Case{"other patente only", true, "m9999001.343"}}) {
        SCOPED_TRACE(c.name);
        CycleFixture f;
        if (c.makeFolder) {
            makeDirectory(joinPath(f.send, "Pend"));
        }
        if (c.file) {
            writeBytes(f.in("Pend", c.file), "x");
        }
        f.state.lists.set(ListId::Rechazados, {"m1234001.343 - RECHAZADO - fuera de folio"});
        f.state.lists.setBackground(ListId::Pendientes, ListBackground::ToolTip);
        CycleContext ctx = f.ctx();
        MuestraPendientes(ctx);
        MuestraRechazados(ctx);
        EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
                  std::vector<std::string>{"No hay Archivos Pedientes"});
        EXPECT_EQ(f.state.lists.background(ListId::Pendientes), ListBackground::Window);
        EXPECT_TRUE(f.state.lists.get(ListId::Rechazados).empty());
    }
}

TEST(DayLists, SendFolderThatIsNoLocalPathLeavesBothListsAlone) {
    CycleFixture f;
    // Begins with neither a letter (Windows) nor "/" (POSIX).
    f.state.config.set(slot::kSendDir, "\\\\servidor\\envio");
    f.state.lists.set(ListId::Pendientes, {"antes"});
    f.state.lists.set(ListId::Rechazados, {"antes"});
    CycleContext ctx = f.ctx();
    MuestraPendientes(ctx);
    MuestraRechazados(ctx);
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes), std::vector<std::string>{"antes"});
    EXPECT_EQ(f.state.lists.get(ListId::Rechazados), std::vector<std::string>{"antes"});
}

}  // namespace
}  // namespace torva
