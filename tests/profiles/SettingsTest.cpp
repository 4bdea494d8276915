#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "profiles/CycleLength.h"
#include "profiles/EditMode.h"
#include "profiles/Panels.h"
#include "profiles/ProfileContext.h"
#include "profiles/ServerChoice.h"
#include "profiles/SignFlag.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

// The parts a profile operation works on.
struct Parts {
    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    ScriptedDialogs dialogs;
    ProfileContext ctx() { return {config, captions, lists, edit, gauges, dialogs}; }
};

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
        Parts k;
        k.config.set(slot::kReceiveDir, dir.path());
        k.config.set(slot::kPrimaryServer, "pri");
        k.config.set(slot::kSecondaryServer, "sec");
        k.edit.setServer(c.option == ServerOption::Primario ? ServerOption::Secundario
                                                            : ServerOption::Primario);
        writeBytes(dir.file("server.dat"), c.content);
        CambiaServidor(k.ctx());
        EXPECT_EQ(k.edit.server(), c.option) << c.content;
        EXPECT_EQ(k.config.get(slot::kHost), c.host) << c.content;
        EXPECT_EQ(k.captions.get(Caption::Evento), c.status) << c.content;
        EXPECT_FALSE(pathExists(dir.file("server.dat"))) << c.content;
    }
}

TEST(Settings, NoInstructionFileChangesNothing) {
    TempDir dir;
    Parts k;
    k.config.set(slot::kReceiveDir, dir.path());
    const std::string status = k.captions.get(Caption::Evento);
    CambiaServidor(k.ctx());
    EXPECT_EQ(k.config.get(slot::kHost), "Host(0)");
    EXPECT_EQ(k.captions.get(Caption::Evento), status);
}

TEST(Settings, AnUnreadableInstructionFileIsReportedAndKept) {
    TempDir dir;
    Parts k;
    k.config.set(slot::kReceiveDir, dir.path());
    k.config.set(slot::kPrimaryServer, "pri");
    k.config.set(slot::kSecondaryServer, "sec");
    SeleccionaServidor(k.ctx(), ServerOption::Secundario);
    std::filesystem::create_directory(dir.file("server.dat"));
    CambiaServidor(k.ctx());
    EXPECT_EQ(k.edit.server(), ServerOption::Secundario);
    EXPECT_EQ(k.config.get(slot::kHost), "sec");
    EXPECT_EQ(k.captions.get(Caption::Evento).rfind("No fue posible leer", 0), 0u)
        << k.captions.get(Caption::Evento);
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
        Parts k;
        k.config.set(slot::kKeyFile, c.key);
        k.config.set(slot::kCertFile, c.cer);
        k.config.set(slot::kKeyPassword, c.pass);
        ChkFirmar_Click(k.ctx(), true);
        EXPECT_EQ(k.config.get(slot::kSign), c.staysOn ? "1" : "0") << c.text;
        if (c.staysOn) {
            EXPECT_TRUE(k.dialogs.shown.empty());
        } else {
            ASSERT_EQ(k.dialogs.shown.size(), 1u);
            EXPECT_EQ(k.dialogs.shown[0].text, c.text);
            EXPECT_EQ(k.dialogs.shown[0].icon, c.icon);
        }
    }
}

TEST(Settings, EditModeAsksFirstAndKeepsTheFolioSlotsLocked) {
    Parts k;
    k.dialogs.answer(DialogAnswer::No);
    AlternaEdicion(k.ctx());
    EXPECT_FALSE(k.edit.editing());
    EXPECT_STREQ(k.edit.configureCaption(), "&Configuración");

    k.edit.setFolioUnlocked(true);
    k.dialogs.answer(DialogAnswer::Yes);
    AlternaEdicion(k.ctx());
    EXPECT_TRUE(k.edit.editing());
    EXPECT_STREQ(k.edit.configureCaption(), "&Cerrar Edición");
    for (int i = 0; i < slot::kCount; ++i) {
        EXPECT_EQ(k.edit.slotEditable(i), i <= 21 && i != 5 && i != 6) << i;
    }
    AlternaEdicion(k.ctx());  // leaving asks nothing
    EXPECT_FALSE(k.edit.editing());
    EXPECT_EQ(k.dialogs.shown.size(), 2u);
}

TEST(Settings, OnePanelAtATimeAndTheHiddenFieldsToggle) {
    Parts k;
    CmdServidor(k.ctx());
    EXPECT_EQ(k.edit.panel(), Panel::Servidor);
    CmdRutas(k.ctx());  // its button is hidden while a panel is open
    EXPECT_EQ(k.edit.panel(), Panel::Servidor);
    OcultaPanel(k.ctx());
    CmdDatosFirma(k.ctx());
    EXPECT_EQ(k.edit.panel(), Panel::Fea);

    AlternaCamposOcultos(k.ctx());
    EXPECT_TRUE(k.edit.hiddenFieldsVisible());
    AlternaCamposOcultos(k.ctx());
    EXPECT_FALSE(k.edit.hiddenFieldsVisible());
}

TEST(Settings, CycleLengthSliderAndBoxesAgree) {
    Parts k;
    struct Slider {
        int value;
        std::string minutes;
        std::string seconds;
    };
    for (const Slider& s : {Slider{125, "2", "5"}, Slider{45, "0", "45"}, Slider{60, "1", "0"},
                            Slider{300, "5", "0"}}) {
        k.gauges.setCycleSeconds(s.value);
        EXPECT_EQ(k.gauges.minutesText(), s.minutes) << s.value;
        EXPECT_EQ(k.gauges.secondsText(), s.seconds) << s.value;
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
        k.gauges.setCycleSeconds(125);
        AplicaLapso(k.ctx(), c.minutes, c.seconds);
        EXPECT_EQ(k.gauges.cycleSeconds(), c.slider) << c.minutes << ":" << c.seconds;
        Gauges expected;
        expected.setCycleSeconds(c.slider);
        EXPECT_EQ(k.gauges.minutesText(), expected.minutesText()) << c.minutes << ":" << c.seconds;
        EXPECT_EQ(k.gauges.secondsText(), expected.secondsText()) << c.minutes << ":" << c.seconds;
    }
}

TEST(Settings, ScrollingTheSliderRestartsTheCountdown) {
    Parts k;
    k.gauges.setCycleSeconds(30);
    k.gauges.setProgress(17);
    SldControl_Scroll(k.ctx(), 95);
    EXPECT_EQ(k.gauges.cycleSeconds(), 95);
    EXPECT_EQ(k.gauges.minutesText(), "1");
    EXPECT_EQ(k.gauges.secondsText(), "35");
    EXPECT_EQ(k.gauges.progress(), 1);
}

}  // namespace
}  // namespace torva
