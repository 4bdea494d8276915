#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "platform/FileSystem.h"
#include "support/FtpServer.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "transport/FtpSession.h"
#include "ui/Form1.h"
#include "ui/FrmMessage.h"
#include "ui/QtDialogs.h"

namespace torva::ui {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

FrmMessage* openErrorWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* m = qobject_cast<FrmMessage*>(w); m && m->isVisible()) {
            return m;
        }
    }
    return nullptr;
}

QString labelText(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

// The operator's view of a session: the main window's status line and the
// error window, with the real client against a local server.
TEST(FtpStatus, AWrongPasswordShowsItsCodeAndTextAGoodOneTransfers) {
    TempDir remote;
    TempDir local;
    makeDirectory(remote.path() + "/REC");
    makeDirectory(remote.path() + "/ENV");
    writeBytes(remote.path() + "/ENV/m1234001.err", "respuesta");
    test::FtpServer::Options options;
    options.root = remote.path();
    test::FtpServer server(options);

    QtDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
    dialogs.setParent(&form);
    form.show();
    CurlFtpClient client;
    client.settings().timeouts = {3, 3, 3, 3};
    form.setFtpClient(&client);
    ConfigRecord& config = form.state().config;
    config.set(slot::kHost, "127.0.0.1");
    config.set(slot::kPort, server.portText());
    config.set(slot::kUser, "usuario1234");
    config.set(slot::kPassword, "equivocada");
    FtpSession session{client, config, form.state().captions, dialogs, nullptr};

    EXPECT_EQ(ConnectToHost(session), widen(ftp::kLoginRefused));
    EXPECT_EQ(labelText(&form, "Evento"), QStringLiteral("ERROR al conectar- 25741"));
    FrmMessage* window = openErrorWindow();
    ASSERT_NE(window, nullptr);
    window->Timer1_Timer();
    EXPECT_EQ(labelText(window, "LblErrorCve"), QStringLiteral("25741"));
    EXPECT_TRUE(labelText(window, "LblError")
                    .startsWith(QStringLiteral(
                        "No fue posible entrar al Servidor de TORVA, el usuario o contraseña")));
    window->close();

    config.set(slot::kPassword, "secreto");
    writeBytes(local.file("m1234001.123"), "archivo");
    EXPECT_EQ(SendFile(session, local.file("m1234001.123"), "REC/m1234001.123"), ftp::kOk);
    EXPECT_EQ(labelText(&form, "Evento"), QStringLiteral("Archivo Enviado.. "));
    EXPECT_EQ(ReceiveFile(session, local.file("m1234001.err"), "ENV/m1234001.err"), ftp::kOk);
    EXPECT_EQ(readBytes(local.file("m1234001.err")), "respuesta");
    EXPECT_TRUE(client.IsConnected());

    // Closing the window closes the session.
    form.state().config.setModified(false);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(client.IsConnected());
}

}  // namespace
}  // namespace torva::ui
