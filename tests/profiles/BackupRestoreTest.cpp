#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "profiles/HaceRespaldo.h"
#include "profiles/RecuperaConfiguracion.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

constexpr const char* kCancelado = "Proceso cancelado.";

// A configuration directory with two profiles (patentes 1234 and 5678), each
// with its configuration file, a receive folder without "Respalda", and the
// window showing profile 0 with an unsaved edit.
struct Installation {
    TempDir dir;
    ScriptedDialogs dialogs;
    ConfigRecord record;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    std::string config = dir.file("programa");
    std::string receive = dir.file("recibo");

    Installation() {
        makeDirectory(config);
        makeDirectory(receive);
        writeBytes(list(), "AGENTE1234\r\nOTRO5678\r\n");
        setReadOnly(list(), true);
        writeBytes(configFile(0), "host\r\nusuario1234\r\nviejo0\r\n");
        writeBytes(configFile(1), "host\r\nusuario5678\r\nviejo1\r\n");
        record.set(slot::kUser, "usuario1234");
        record.set(slot::kReceiveDir, receive);
        record.set(slot::kLowerFolio, "007");
    }

    ProfileContext ctx() { return {record, captions, lists, edit, gauges, dialogs}; }

    std::string list() const { return joinPath(config, "usuarios.dat"); }
    std::string configFile(int k) const {
        return joinPath(config, "odbc" + std::to_string(k) + ".reg");
    }
    std::string primary(const std::string& name = {}) const {
        const std::string folder = joinPath(config, "Respalda");
        return name.empty() ? folder : joinPath(folder, name);
    }
    std::string secondary(const std::string& name = {}) const {
        const std::string folder = joinPath(receive, "Respalda");
        return name.empty() ? folder : joinPath(folder, name);
    }

    bool backup() {
        dialogs.answer(DialogAnswer::Yes);
        return HaceRespaldo(ctx(), config, configFile(0));
    }
    bool restore() {
        dialogs.answer(DialogAnswer::Yes);
        return RecuperaConfiguracion(ctx(), config);
    }
};

TEST(HaceRespaldo, CopiesTheSavedConfigurationAndEveryProfileIntoBothFolders) {
    Installation in;
    ASSERT_TRUE(in.record.modified());
    EXPECT_TRUE(in.backup());

    EXPECT_EQ(in.dialogs.shown.size(), 1u);  // the question alone
    EXPECT_EQ(in.dialogs.shown[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(in.dialogs.busyDepth, 0);
    EXPECT_FALSE(in.record.modified());
    // The unsaved edit was saved first, so it is in the backup.
    EXPECT_NE(readBytes(in.configFile(0)).find("\r\n007\r\n"), std::string::npos);
    for (const std::string& folder : {in.primary(), in.secondary()}) {
        EXPECT_EQ(readBytes(joinPath(folder, "usuarios.dat")), readBytes(in.list())) << folder;
        EXPECT_EQ(readBytes(joinPath(folder, "0")), readBytes(in.configFile(0))) << folder;
        EXPECT_EQ(readBytes(joinPath(folder, "1")), readBytes(in.configFile(1))) << folder;
    }

    // A second backup over the first leaves the same set, and a file past the
    // profile count in place.
    writeBytes(in.primary("7"), "de antes");
    const std::string first = readBytes(in.primary("0"));
    EXPECT_TRUE(in.backup());
    EXPECT_EQ(readBytes(in.primary("0")), first);
    EXPECT_EQ(readBytes(in.secondary("0")), first);
    EXPECT_EQ(readBytes(in.primary("1")), readBytes(in.secondary("1")));
    EXPECT_EQ(readBytes(in.primary("7")), "de antes");
}

TEST(HaceRespaldo, AnythingButYesCancelsAndWritesNothing) {
    Installation in;
    in.dialogs.answer(DialogAnswer::No);
    EXPECT_FALSE(HaceRespaldo(in.ctx(), in.config, in.configFile(0)));
    EXPECT_EQ(in.dialogs.texts().back(), kCancelado);
    EXPECT_EQ(in.dialogs.shown.back().icon, DialogIcon::None);
    EXPECT_FALSE(pathExists(in.primary()));
    EXPECT_TRUE(in.record.modified());
}

TEST(HaceRespaldo, MissingFilesAreReportedAndSkipped) {
    {
        Installation in;
        setReadOnly(in.list(), false);
        removeFile(in.list());
        EXPECT_FALSE(in.backup());
        EXPECT_EQ(in.dialogs.texts().back(),
                  "ERROR: Imposible continuar debido que no se encontró el archivo de las "
                  "patentes " +
                      in.config + "/Usuarios.dat.");
        EXPECT_EQ(in.dialogs.busyDepth, 0);
        EXPECT_TRUE(in.record.modified());
    }
    {
        Installation in;
        removeFile(in.configFile(1));
        EXPECT_TRUE(in.backup());
        EXPECT_EQ(in.dialogs.texts().back(),
                  "ERROR: No fue posible terminar el respaldo debido a que no se encontró el "
                  "archivo de configuración de la Patente 5678");
        EXPECT_EQ(in.dialogs.shown.back().icon, DialogIcon::Critical);
        EXPECT_TRUE(isRegularFile(in.secondary("0")));
        EXPECT_FALSE(pathExists(in.secondary("1")));
    }
}

TEST(HaceRespaldo, AFailedCopyIsNamedAndKeepsTheModifiedFlag) {
    Installation in;
    makeDirectory(in.secondary());
    makeDirectory(in.secondary("1"));  // a folder where the copy goes
    EXPECT_FALSE(in.backup());
    const std::string text = in.dialogs.texts().back();
    EXPECT_NE(text.find(in.secondary("1")), std::string::npos) << text;
    EXPECT_TRUE(in.record.modified());
    EXPECT_TRUE(isRegularFile(in.primary("1")));
    EXPECT_TRUE(isRegularFile(in.secondary("0")));

    // Without a receive folder the program's copy is still made.
    Installation other;
    other.record.set(slot::kReceiveDir, other.dir.file("no-existe"));
    EXPECT_FALSE(other.backup());
    EXPECT_TRUE(isRegularFile(other.primary("1")));
    EXPECT_FALSE(pathExists(other.dir.file("no-existe")));
    EXPECT_TRUE(other.record.modified());
}

TEST(RecuperaConfiguracion, RestoresEveryProfileChangedSinceTheBackup) {
    Installation in;
    ASSERT_TRUE(in.backup());
    const std::string saved0 = readBytes(in.configFile(0));
    const std::string saved1 = readBytes(in.configFile(1));
    writeBytes(in.configFile(0), "host\r\nusuario1234\r\ncambiado\r\n");
    removeFile(in.configFile(1));
    setReadOnly(in.list(), false);
    writeBytes(in.list(), "AGENTE1234\r\n");
    in.dialogs.shown.clear();

    EXPECT_TRUE(in.restore());
    ASSERT_EQ(in.dialogs.shown.size(), 1u);
    EXPECT_EQ(in.dialogs.shown[0].text,
              "!Precación!\rRecuperar la configuración del respaldo elimina la configuración, si "
              "desea cancelar presione 'NO', para continuar:\r1.- Asegúrese de solo tener una vez "
              "abierto el programa de TORVAVal, si lo tiene abierto con otras Patentes "
              "ciérrelo.\r2.- Presione Yes/Si para continuar.\r3.- El sistema restaurará la "
              "configuración y se cerrará\r4.- Una vez que se cierre el programa ya podrá "
              "abrirlo con la configuración restaurada.");
    EXPECT_EQ(readBytes(in.configFile(0)), saved0);
    EXPECT_EQ(readBytes(in.configFile(1)), saved1);
    EXPECT_EQ(readBytes(in.list()), "AGENTE1234\r\nOTRO5678\r\n");
    EXPECT_TRUE(isReadOnly(in.list()));
}

TEST(RecuperaConfiguracion, OnlyABackupFileHoldingTheKeysPatenteIsRestored) {
    struct Case {
        const char* what;
        bool present;
        std::string content;
    };
    const Case cases[] = {
        {"another patente", true, "host\r\nusuario9999\r\n"},
        {"one line", true, "usuario5678\r\n"},
        {"missing", false, ""},
    };
    for (const Case& c : cases) {
        Installation in;
        makeDirectory(in.primary());
        writeBytes(in.primary("usuarios.dat"), "AGENTE1234\r\nOTRO5678\r\n");
        writeBytes(in.primary("0"), "host\r\nusuario1234\r\nrestaurado\r\n");
        if (c.present) {
            writeBytes(in.primary("1"), c.content);
        }
        EXPECT_TRUE(in.restore()) << c.what;
        EXPECT_EQ(in.dialogs.texts().back(),
                  "ERROR: no se encontró el archivo de respaldo de la Patente 5678.")
            << c.what;
        EXPECT_EQ(readBytes(in.configFile(0)), "host\r\nusuario1234\r\nrestaurado\r\n");
        EXPECT_EQ(readBytes(in.configFile(1)), "host\r\nusuario5678\r\nviejo1\r\n") << c.what;
    }
}

TEST(RecuperaConfiguracion, UsesTheReceiveFoldersCopyWhenTheProgramsIsMissing) {
    Installation in;
    ASSERT_TRUE(in.backup());
    writeBytes(in.secondary("0"), "host\r\nusuario1234\r\ndel recibo\r\n");
    removeFile(in.primary("usuarios.dat"));
    EXPECT_TRUE(in.restore());
    EXPECT_EQ(readBytes(in.configFile(0)), "host\r\nusuario1234\r\ndel recibo\r\n");

    // Neither folder holds a list: nothing changes, the window still closes.
    Installation none;
    EXPECT_TRUE(none.restore());
    EXPECT_EQ(none.dialogs.texts().back(),
              "ERROR: no fue posible restaurar la configuración, debido a que no se "
              "encontraron los archivos de respaldo.");
    EXPECT_EQ(readBytes(none.configFile(0)), "host\r\nusuario1234\r\nviejo0\r\n");

    // Anything but Yes keeps the window open.
    Installation cancelled;
    cancelled.dialogs.answer(DialogAnswer::No);
    EXPECT_FALSE(RecuperaConfiguracion(cancelled.ctx(), cancelled.config));
    EXPECT_EQ(cancelled.dialogs.texts().back(), kCancelado);
}

TEST(RecuperaConfiguracion, AFailedCopyLeavesEveryFileWholeAndTheListReadOnly) {
    Installation in;
    ASSERT_TRUE(in.backup());
    writeBytes(in.primary("0"), "host\r\nusuario1234\r\nnuevo0\r\n");
    writeBytes(in.primary("1"), "host\r\nusuario5678\r\nnuevo1\r\n");
    writeBytes(in.primary("usuarios.dat"), "AGENTE1234\r\nOTRO5678\r\nTERCERO0001\r\n");
    const std::string before1 = readBytes(in.configFile(1));
    const std::string beforeList = readBytes(in.list());
    // Folders where the copies of profile 1 and of the list are written first.
    makeDirectory(temporaryPathFor(in.configFile(1)));
    makeDirectory(temporaryPathFor(in.list()));

    EXPECT_TRUE(in.restore());
    EXPECT_EQ(readBytes(in.configFile(0)), "host\r\nusuario1234\r\nnuevo0\r\n");
    EXPECT_EQ(readBytes(in.configFile(1)), before1);
    EXPECT_EQ(readBytes(in.list()), beforeList);
    EXPECT_TRUE(isReadOnly(in.list()));
    const std::string text = in.dialogs.texts().back();
    EXPECT_NE(text.find(in.configFile(1)), std::string::npos) << text;
    EXPECT_NE(text.find(in.list()), std::string::npos) << text;
    EXPECT_EQ(in.dialogs.shown.back().icon, DialogIcon::Critical);
}

}  // namespace
}  // namespace torva
