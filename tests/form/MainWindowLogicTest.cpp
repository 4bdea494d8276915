#include <gtest/gtest.h>

#include "form/MainWindowLogic.h"
#include "platform/Ansi.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

struct Form {
    TempDir dir;
    ScriptedDialogs dialogs;
    SettableClock clock{{2024, 12, 31, 10, 0, 0}};
    MainPorts ports{dialogs, clock, {"pc", "192.0.2.1"}};
    MainState state;

    void writeConfig(int index, const std::string& user) {
        std::vector<std::string> lines(23, "x");
        lines[1] = user;
        lines[8] = lines[0];
        ASSERT_FALSE(writeAnsiLines(configFilePath(dir.path(), index), lines));
    }
};

TEST(MainWindowLogic, LoadShowsPatenteDateAndJulianDayAndEndsUnmodified) {
    Form f;
    f.writeConfig(2, "usuario1234");
    CargaForm1(f.state, f.ports, 2, f.dir.path());

    EXPECT_EQ(f.state.profileIndex, 2);
    EXPECT_EQ(f.state.julianDay, 366);
    EXPECT_EQ(f.state.captions.get(Caption::DiaJuliano), "366");
    EXPECT_EQ(f.state.captions.get(Caption::LblPatente), "1234");
    EXPECT_EQ(f.state.captions.get(Caption::Fecha), "31 dic 2024");
    EXPECT_EQ(f.state.captions.get(Caption::Title),
              "TORVA Centro de Prevalidación         Patente  >>> 1234");
    EXPECT_EQ(f.state.gauges.cycleSeconds(), 30);
    EXPECT_FALSE(f.state.config.modified());
}

TEST(MainWindowLogic, ExitAsksOnlyAfterAChangeAndOnlyOnce) {
    Form f;
    f.writeConfig(0, "usuario1234");
    CargaForm1(f.state, f.ports, 0, f.dir.path());
    EXPECT_TRUE(DescargaForm1(f.state, f.dialogs));
    EXPECT_TRUE(f.dialogs.shown.empty());

    f.state.config.set(slot::kPort, "2121");
    f.dialogs.answer(DialogAnswer::Yes);
    EXPECT_TRUE(DescargaForm1(f.state, f.dialogs));
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text,
              "Se realizo una modificación en la configuración del sistema, confirmar si desea "
              "guardar los cambios.");

    MainState reread;
    CargaForm1(reread, f.ports, 0, f.dir.path());
    EXPECT_EQ(reread.config.get(slot::kPort), "2121");
}

TEST(MainWindowLogic, AnsweringNoAtExitDiscardsTheChange) {
    Form f;
    f.writeConfig(0, "usuario1234");
    CargaForm1(f.state, f.ports, 0, f.dir.path());
    f.state.config.set(slot::kPort, "2121");
    f.dialogs.answer(DialogAnswer::No);
    EXPECT_TRUE(DescargaForm1(f.state, f.dialogs));

    MainState reread;
    CargaForm1(reread, f.ports, 0, f.dir.path());
    EXPECT_EQ(reread.config.get(slot::kPort), "x");
}

TEST(MainWindowLogic, SaveFromTheMenuClearsModifiedSoExitAsksNothing) {
    Form f;
    f.writeConfig(0, "usuario1234");
    CargaForm1(f.state, f.ports, 0, f.dir.path());
    f.state.config.set(slot::kPort, "2121");
    GuardaConfiguracion(f.state, f.dialogs);
    EXPECT_FALSE(f.state.config.modified());
    EXPECT_TRUE(DescargaForm1(f.state, f.dialogs));
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(MainWindowLogic, AFailedSaveAtExitKeepsTheWindowOpen) {
    Form f;
    f.writeConfig(0, "usuario1234");
    CargaForm1(f.state, f.ports, 0, f.dir.path());
    f.state.config.set(slot::kPort, "2121");
    f.state.configDirectory = f.dir.file("gone");
    f.dialogs.answer(DialogAnswer::Yes);
    EXPECT_FALSE(DescargaForm1(f.state, f.dialogs));
    EXPECT_EQ(f.dialogs.shown.back().icon, DialogIcon::Critical);
}

TEST(MainWindowLogic, LoadChecksLettersAndRoutesAndOpensTheRoutesPanel) {
    Form f;
    std::vector<std::string> lines(23, "x");
    lines[1] = "usuario1234";
    lines[10] = "m,b";
    lines[11] = "m";
    lines[19] = "1";
    lines[20] = "";
    ASSERT_FALSE(writeAnsiLines(configFilePath(f.dir.path(), 0), lines));
    CargaForm1(f.state, f.ports, 0, f.dir.path());

    const auto texts = f.dialogs.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find("tipos de Archivos"), std::string::npos);
    EXPECT_NE(texts[1].find("no coinciden el numero de Rutas de Envio Local"), std::string::npos);
    EXPECT_EQ(f.state.edit.panel(), Panel::Rutas);
    EXPECT_EQ(f.state.lists.get(ListId::ArchivosE), (std::vector<std::string>{"m", "b"}));
}

}  // namespace
}  // namespace torva
