#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "profiles/CycleLength.h"
#include "profiles/EditMode.h"
#include "profiles/Panels.h"
#include "profiles/ServerChoice.h"
#include "profiles/SignFlag.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

TEST(Settings, ServerInstructionFileSelectsTheServerAndIsDeleted) {
    struct Case {
        std::string content;
        ServerOption option;
        std::string host;
        std::string status;
    };
    const Case cases[] = {
        {"1\r\n", ServerOption::Secundario, "sec",
         "Conexión a TORVA mediante el Servidor Secundario"},
        {"0\r\n", ServerOption::Primario, "pri", "Conexión a TORVA mediante el Servidor Primario"},
        {"2\r\n", ServerOption::Primario, "pri", "Conexión a TORVA mediante el Servidor Primario"},
        {"uno\r\n", ServerOption::Primario, "pri",
         "Conexión a TORVA mediante el Servidor Primario"},
        {"", ServerOption::Primario, "pri", "Conexión a TORVA mediante el Servidor Primario"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ConfigRecord config;
        EditState edit;
        Captions captions;
        config.set(slot::kReceiveDir, dir.path());
        config.set(slot::kPrimaryServer, "pri");
        config.set(slot::kSecondaryServer, "sec");
        edit.setServer(c.option == ServerOption::Primario ? ServerOption::Secundario
                                                          : ServerOption::Primario);
        writeBytes(dir.file("server.dat"), c.content);
        CambiaServidor(config, edit, captions);
        EXPECT_EQ(edit.server(), c.option) << c.content;
        EXPECT_EQ(config.get(slot::kHost), c.host) << c.content;
        EXPECT_EQ(captions.get(Caption::Evento), c.status) << c.content;
        EXPECT_FALSE(pathExists(dir.file("server.dat"))) << c.content;
    }
}

TEST(Settings, NoInstructionFileChangesNothing) {
    TempDir dir;
    ConfigRecord config;
    EditState edit;
    Captions captions;
    config.set(slot::kReceiveDir, dir.path());
    const std::string status = captions.get(Caption::Evento);
    CambiaServidor(config, edit, captions);
    EXPECT_EQ(config.get(slot::kHost), "Host(0)");
    EXPECT_EQ(captions.get(Caption::Evento), status);
}

TEST(Settings, AnUnreadableInstructionFileIsReportedAndKept) {
    TempDir dir;
    ConfigRecord config;
    EditState edit;
    Captions captions;
    config.set(slot::kReceiveDir, dir.path());
    config.set(slot::kPrimaryServer, "pri");
    config.set(slot::kSecondaryServer, "sec");
    SeleccionaServidor(config, edit, ServerOption::Secundario);
    std::filesystem::create_directory(dir.file("server.dat"));
    CambiaServidor(config, edit, captions);
    EXPECT_EQ(edit.server(), ServerOption::Secundario);
    EXPECT_EQ(config.get(slot::kHost), "sec");
    EXPECT_EQ(captions.get(Caption::Evento).rfind("No fue posible leer", 0), 0u)
        << captions.get(Caption::Evento);
    EXPECT_TRUE(pathExists(dir.file("server.dat")));
}

TEST(Settings, SigningStaysOffWithoutKeyCertificateAndPassPhrase) {
    TempDir dir;
    writeBytes(dir.file("k.key"), "k");
    writeBytes(dir.file("c.cer"), "c");
    struct Case {
        std::string key;
        std::string cer;
        std::string pass;
        bool staysOn;
        DialogIcon icon;
        std::string text;
    };
    const Case cases[] = {
        {dir.file("k.key"), dir.file("c.cer"), "", false, DialogIcon::Exclamation,
         "Para poder activar esta función es necesario que primero\rproporcione la ruta del "
         "Archivo KEY, la ruta del archivo CER y la contraseña.\rPara hacerlo es necesario poner "
         "el sistema en forma de edición\rSistema / Configuración"},
        {dir.file("x.key"), dir.file("c.cer"), "p", false, DialogIcon::Critical,
         "ERROR, no se encontro el archivo KEY, es imposible generar la firma dígital."},
        {dir.file("k.key"), dir.file("x.cer"), "p", false, DialogIcon::Critical,
         "ERROR, no se encontro el archivo CER, es imposible generar la firma dígital."},
        {dir.file("k.key"), dir.file("c.cer"), "p", true, DialogIcon::None, ""},
    };
    for (const auto& c : cases) {
        ConfigRecord config;
        ScriptedDialogs dialogs;
        config.set(slot::kKeyFile, c.key);
        config.set(slot::kCertFile, c.cer);
        config.set(slot::kKeyPassword, c.pass);
        ChkFirmar_Click(config, dialogs, true);
        EXPECT_EQ(config.get(slot::kSign), c.staysOn ? "1" : "0") << c.text;
        if (c.staysOn) {
            EXPECT_TRUE(dialogs.shown.empty());
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, c.text);
            EXPECT_EQ(dialogs.shown[0].icon, c.icon);
        }
    }
}

TEST(Settings, EditModeAsksFirstAndKeepsTheFolioSlotsLocked) {
    EditState edit;
    ScriptedDialogs dialogs;
    dialogs.answer(DialogAnswer::No);
    AlternaEdicion(edit, dialogs);
    EXPECT_FALSE(edit.editing());
    EXPECT_STREQ(edit.configureCaption(), "&Configuración");

    edit.setFolioUnlocked(true);
    dialogs.answer(DialogAnswer::Yes);
    AlternaEdicion(edit, dialogs);
    EXPECT_TRUE(edit.editing());
    EXPECT_STREQ(edit.configureCaption(), "&Cerrar Edición");
    for (int i = 0; i < slot::kCount; ++i) {
        EXPECT_EQ(edit.slotEditable(i), i <= 21 && i != 5 && i != 6) << i;
    }
    AlternaEdicion(edit, dialogs);  // leaving asks nothing
    EXPECT_FALSE(edit.editing());
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST(Settings, OnePanelAtATimeAndTheHiddenFieldsToggle) {
    EditState edit;
    CmdServidor(edit);
    EXPECT_EQ(edit.panel(), Panel::Servidor);
    CmdRutas(edit);  // its button is hidden while a panel is open
    EXPECT_EQ(edit.panel(), Panel::Servidor);
    OcultaPanel(edit);
    CmdDatosFirma(edit);
    EXPECT_EQ(edit.panel(), Panel::Fea);

    AlternaCamposOcultos(edit);
    EXPECT_TRUE(edit.hiddenFieldsVisible());
    AlternaCamposOcultos(edit);
    EXPECT_FALSE(edit.hiddenFieldsVisible());
}

TEST(Settings, CycleLengthSliderAndBoxesAgree) {
    Gauges g;
    struct Slider {
        int value;
        std::string minutes;
        std::string seconds;
    };
    for (const Slider& s : {Slider{125, "2", "5"}, Slider{45, "0", "45"}, Slider{60, "1", "0"},
                            Slider{300, "5", "0"}}) {
        g.setCycleSeconds(s.value);
        EXPECT_EQ(g.minutesText(), s.minutes) << s.value;
        EXPECT_EQ(g.secondsText(), s.seconds) << s.value;
    }

    struct Boxes {
        std::string minutes;
        std::string seconds;
        int slider;  // from 125
    };
    const Boxes cases[] = {
        {"1", "30", 90}, {"7", "0", 125},  {"a", "10", 125}, {"1", "61", 125},
        {"0", "5", 10},  {"5", "30", 300}, {"0", "0", 10},   {"5", "60", 300},
    };
    for (const auto& c : cases) {
        g.setCycleSeconds(125);
        AplicaLapso(g, c.minutes, c.seconds);
        EXPECT_EQ(g.cycleSeconds(), c.slider) << c.minutes << ":" << c.seconds;
        Gauges expected;
        expected.setCycleSeconds(c.slider);
        EXPECT_EQ(g.minutesText(), expected.minutesText()) << c.minutes << ":" << c.seconds;
        EXPECT_EQ(g.secondsText(), expected.secondsText()) << c.minutes << ":" << c.seconds;
    }
}

}  // namespace
}  // namespace torva
