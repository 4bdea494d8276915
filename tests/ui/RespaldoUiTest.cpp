#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FtpServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

// The window on profile 0 of a one-profile installation, served by a local
// FTP server whose ENV/ holds the folio authorization.
struct Window {
    TempDir dir;
    TempDir remote;
    std::string receive = dir.file("recibo");
    std::unique_ptr<test::FtpServer> server;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 10, 9, 30, 0}};
    CurlFtpClient client;
    Form1 form{dialogs, clock, HostIdentity{"pc", "127.0.0.1"}};

    Window() {
        makeDirectory(receive);
        makeDirectory(remote.path() + "/ENV");
        writeBytes(remote.path() + "/ENV/folios.aut", "autorizado");
        test::FtpServer::Options options;
        options.root = remote.path();
        server = std::make_unique<test::FtpServer>(options);
        std::vector<std::string> lines(23, "0");
        lines[0] = lines[8] = "127.0.0.1";
        lines[1] = "usuario1234";
        lines[2] = "|1986";  // not the server's password: set below
        lines[4] = receive;
        lines[5] = "001";
        lines[7] = server->portText();
        EXPECT_FALSE(writeAnsiLines(configFilePath(dir.path(), 0), lines));
        writeBytes(joinPath(dir.path(), "usuarios.dat"), "AGENTE1234\r\n");
        client.settings().timeouts = {3, 3, 3, 3};
        form.setFtpClient(&client);
        form.load(0, dir.path());
        form.state().config.set(slot::kPassword, "secreto");
        form.state().config.set(slot::kPassive, "1");
        form.state().config.setModified(false);
        form.show();
        dialogs.shown.clear();
    }
    QAction* action(const char* name) {
        auto* a = form.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QLineEdit* folio() { return form.findChild<QLineEdit*>(QStringLiteral("TxtConfiguration(5)")); }
};

TEST(RespaldoUi, ABackupMadeTodayRestoresTheProfileAndTheWindowCloses) {
    Window w;
    const std::string file = configFilePath(w.dir.path(), 0);
    w.dialogs.answer(DialogAnswer::Yes);
    w.action("Menu_HaceRespaldo")->trigger();
    EXPECT_EQ(readBytes(joinPath(w.dir.path(), "Respalda/0")), readBytes(file));
    EXPECT_EQ(readBytes(joinPath(w.receive, "Respalda/0")), readBytes(file));
    const std::string backedUp = readBytes(file);

    writeBytes(file, "host\r\nusuario1234\r\ncambiado\r\n");
    w.form.state().config.set(slot::kUpperFolio, "900");
    w.dialogs.answer(DialogAnswer::Yes);  // the restore
    w.dialogs.answer(DialogAnswer::No);   // the save prompt of the exit
    w.action("Menu_RecuperaConf")->trigger();
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_EQ(readBytes(file), backedUp);
    EXPECT_EQ(w.dialogs.texts().back(),
              "Se realizo una modificación en la configuración del sistema, confirmar si desea "
              "guardar los cambios.");
}

TEST(RespaldoUi, TheFolioChangeUnlocksTheFieldsAndItsCaptionSaves) {
    Window w;
    auto* menu = w.action("Menu_Folios");
    EXPECT_TRUE(w.folio()->isReadOnly());
    w.dialogs.answer(DialogAnswer::Yes);
    menu->trigger();
    EXPECT_EQ(menu->text(), QStringLiteral("Guardar Cambios de Folios"));
    EXPECT_FALSE(w.folio()->isReadOnly());
    EXPECT_FALSE(pathExists(joinPath(w.receive, "folio.aut")));
    EXPECT_TRUE(isRegularFile(w.remote.path() + "/ENV/folios.aut"));
    EXPECT_FALSE(w.client.IsConnected());

    menu->trigger();
    EXPECT_EQ(menu->text(), QStringLiteral("C&ambiar Folios"));
    EXPECT_TRUE(w.folio()->isReadOnly());

    // Once the service takes the file away, the change is denied.
    removeFile(w.remote.path() + "/ENV/folios.aut");
    w.dialogs.answer(DialogAnswer::Yes);
    menu->trigger();
    EXPECT_EQ(w.dialogs.texts().back(),
              "Autorización Negada, para realizar cualquier cambio en la configuración es "
              "necesario consultarlo con TORVA.");
    EXPECT_TRUE(w.folio()->isReadOnly());
    EXPECT_EQ(menu->text(), QStringLiteral("C&ambiar Folios"));
}

}  // namespace
}  // namespace torva::ui
