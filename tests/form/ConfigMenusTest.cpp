#include <gtest/gtest.h>

#include <functional>

#include "form/ConfigMenus.h"
#include "form/MainWindowLogic.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

// The window loaded with profile 0 of a one-profile installation.
struct Form {
    TempDir dir;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 10, 10, 0, 0}};
    MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
    MainState state;
    std::string receive = dir.file("recibo");

    Form() {
        makeDirectory(receive);
        writeBytes(joinPath(dir.path(), "usuarios.dat"), "AGENTE1234\r\n");
        std::vector<std::string> lines(23, "x");
        lines[1] = "usuario1234";
        lines[4] = receive;
        lines[8] = lines[0];
        EXPECT_FALSE(writeAnsiLines(configFilePath(dir.path(), 0), lines));
        CargaForm1(state, ports, 0, dir.path());
        dialogs.shown.clear();
    }
};

TEST(ConfigMenus, WhileAPassRunsEachIsRefusedAndTouchesNothing) {
    const std::function<void(Form&)> menus[] = {
        [](Form& f) { Menu_HaceRespaldo(f.state, f.ports); },
        [](Form& f) { EXPECT_FALSE(Menu_RecuperaConf(f.state, f.ports)); },
        [](Form& f) { Menu_Folios(f.state, f.ports); },
    };
    for (const auto& menu : menus) {
        Form f;
        f.state.cycle.setPassInProgress(true);
        f.dialogs.answer(DialogAnswer::Yes);
        menu(f);
        ASSERT_EQ(f.dialogs.shown.size(), 1u);
        EXPECT_EQ(f.dialogs.shown[0].text, kEsperaCiclo);
        EXPECT_EQ(f.dialogs.shown[0].icon, DialogIcon::Critical);
        EXPECT_TRUE(f.state.cycle.passInProgress());
        EXPECT_FALSE(pathExists(joinPath(f.dir.path(), "Respalda")));
    }
}

TEST(ConfigMenus, TheyRunMarkedAsAPassSoNoPassStartsMeanwhile) {
    Form f;
    bool marked = false;
    f.dialogs.whileShown = [&] { marked = marked || f.state.cycle.passInProgress(); };
    f.dialogs.answer(DialogAnswer::Yes);
    Menu_HaceRespaldo(f.state, f.ports);
    EXPECT_TRUE(marked);
    EXPECT_FALSE(f.state.cycle.passInProgress());
    EXPECT_TRUE(isRegularFile(joinPath(f.dir.path(), "Respalda/0")));
}

TEST(ConfigMenus, TheSavePromptAfterARestoreDecidesWhichConfigurationStays) {
    for (const DialogAnswer answer : {DialogAnswer::Yes, DialogAnswer::No}) {
        Form f;
        const std::string file = configFilePath(f.dir.path(), 0);
        f.dialogs.answer(DialogAnswer::Yes);
        Menu_HaceRespaldo(f.state, f.ports);
        const std::string backedUp = readBytes(file);
        f.state.config.set(slot::kLowerFolio, "123");  // an edit not saved

        f.dialogs.answer(DialogAnswer::Yes);
        ASSERT_TRUE(Menu_RecuperaConf(f.state, f.ports));
        EXPECT_EQ(readBytes(file), backedUp);
        f.dialogs.answer(answer);
        EXPECT_TRUE(DescargaForm1(f.state, f.dialogs, nullptr));
        EXPECT_EQ(f.dialogs.texts().back(),
                  "Se realizo una modificación en la configuración del sistema, confirmar si "
                  "desea guardar los cambios.");
        std::vector<std::string> lines;
        ASSERT_FALSE(readAnsiLines(file, lines));
        EXPECT_EQ(lines.at(slot::kLowerFolio), answer == DialogAnswer::Yes ? "123" : "x");
    }
}

}  // namespace
}  // namespace torva
