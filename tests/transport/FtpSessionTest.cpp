#include <gtest/gtest.h>

#include "FtpFixture.h"
#include "support/ScriptedDialogs.h"
#include "transport/FtpSession.h"

namespace torva {
namespace {

using test::FtpFixture;
using test::readBytes;
using test::ScriptedDialogs;
using test::writeBytes;

// The main window's parts that the session touches, set for the fixture's server.
struct Session {
    FtpFixture& ftp;
    ConfigRecord config;
    Captions captions;
    ScriptedDialogs dialogs;
    std::int16_t letterOffset = 7;
    FtpSession session{ftp.client, config, captions, dialogs, &letterOffset};

    explicit Session(FtpFixture& f) : ftp(f) {
        config.set(slot::kHost, " 127.0.0.1 ");
        config.set(slot::kPort, f.server->portText() + " ");
        config.set(slot::kUser, "usuario1234");
        config.set(slot::kPassword, "secreto");
        config.setFlag(slot::kPassive, true);
    }
    std::string evento() const { return captions.get(Caption::Evento); }
};

TEST(FtpSession, InitializeFTPControlTakesTrimmedSlotsAndThePassiveBox) {
    FtpFixture f;
    Session s(f);
    s.config.set(slot::kUser, "  usuario 1234 ");
    s.config.set(slot::kPassword, " clave ");
    s.config.setFlag(slot::kPassive, false);
    EXPECT_EQ(InitializeFTPControl(s.session), ftp::kOk);
    const FtpSettings& settings = f.client.settings();
    EXPECT_EQ(settings.ServerHost, "127.0.0.1");
    EXPECT_EQ(settings.ServerPort, f.server->portText());
    EXPECT_EQ(settings.UserName, "usuario 1234");
    EXPECT_EQ(settings.UserPassword, "clave");
    EXPECT_EQ(settings.PassiveMode, 0);
    s.config.setFlag(slot::kPassive, true);
    EXPECT_EQ(InitializeFTPControl(s.session), ftp::kOk);
    EXPECT_EQ(settings.PassiveMode, 1);
}

TEST(FtpSession, TransfersOpenTheSessionAndReportInTheStatusLine) {
    FtpFixture f;
    Session s(f);
    writeBytes(f.local.file("m1234001.123"), "archivo");
    writeBytes(f.remoteFile("ENV/m1234001.err"), "respuesta");
    writeBytes(f.remoteFile("ENV/general/aviso.gen"), "aviso");

    EXPECT_EQ(SendFile(s.session, f.local.file("m1234001.123"), "REC/m1234001.123"), ftp::kOk);
    EXPECT_EQ(s.evento(), "Archivo Enviado.. ");
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), "archivo");
    EXPECT_TRUE(f.client.IsConnected());

    // An open session is used as it is: no message, no new login.
    s.captions.set(Caption::Evento, "sin cambio");
    EXPECT_EQ(ConnectToHost(s.session), widen(ftp::kOk));
    EXPECT_EQ(s.evento(), "sin cambio");

    const std::string local = f.local.file("m1234001.err");
    EXPECT_EQ(ReceiveFile(s.session, local, "ENV/m1234001.err"), ftp::kOk);
    EXPECT_EQ(s.evento(), "Recibido.. " + local);
    EXPECT_EQ(readBytes(local), "respuesta");

    // Not yet answered: its name in the status line, no error window.
    EXPECT_EQ(ReceiveFile(s.session, f.local.file("m1234002.err"), "ENV/m1234002.err"),
              ftp::kRemoteFileUnavailable);
    EXPECT_EQ(s.evento(), "Pendiente - m1234002.err");
    EXPECT_EQ(s.letterOffset, 1);  // numLetras of "E"

    EXPECT_EQ(ReceiveMultipleFiles(s.session, f.local.path(), "ENV/general", "*.*"), ftp::kOk);
    EXPECT_EQ(s.evento(), "Recibiendo Archivos");
    EXPECT_EQ(readBytes(f.local.file("aviso.gen")), "aviso");

    EXPECT_EQ(ReceiveMultipleFiles(s.session, f.local.path(), "ENV/noexiste", "*.*"),
              ftp::kRemoteAccessDenied);
    EXPECT_EQ(s.evento(), "Esta pendiente el archivo - 25751");
    EXPECT_EQ(s.dialogs.componentErrors, std::vector<int>{25751});

    EXPECT_EQ(DisconnectFromHost(f.client), ftp::kOk);
    EXPECT_FALSE(f.client.IsConnected());
    EXPECT_EQ(DisconnectFromHost(f.client), ftp::kOk);
}

TEST(FtpSession, AFailedConnectionShowsItsCodeInTheStatusLineAndTheErrorWindow) {
    FtpFixture f;
    Session s(f);
    s.config.set(slot::kPassword, "equivocada");

    EXPECT_EQ(ConnectToHost(s.session), widen(ftp::kLoginRefused));
    EXPECT_EQ(s.evento(), "ERROR al conectar- 25741");

    writeBytes(f.local.file("a.123"), "a");
    EXPECT_EQ(SendFile(s.session, f.local.file("a.123"), "REC/a.123"), ftp::kLoginRefused);
    EXPECT_EQ(s.evento(), "ERROR al conectar- 25741");

    EXPECT_EQ(ReceiveFile(s.session, f.local.file("a.err"), "ENV/a.err"), ftp::kLoginRefused);
    EXPECT_EQ(s.evento(), "ERROR en conexión 25741");

    EXPECT_EQ(ReceiveMultipleFiles(s.session, f.local.path(), "ENV/general", "*.*"),
              ftp::kLoginRefused);
    EXPECT_EQ(s.evento(), "Error al conectar- 25741");

    EXPECT_EQ(s.dialogs.componentErrors, (std::vector<int>{25741, 25741, 25741, 25741}));
    EXPECT_FALSE(f.client.IsConnected());

    f.server->stop();
    s.config.set(slot::kPassword, "secreto");
    EXPECT_EQ(ReceiveMultipleFiles(s.session, f.local.path(), "ENV/general", "*.*"),
              ftp::kConnectFailed);
    EXPECT_EQ(s.evento(), "Error al conectar- 25711");
}

TEST(FtpSession, ChangedSettingsTakeEffectOnlyAfterDisconnecting) {
    FtpFixture f;
    Session s(f);
    ASSERT_EQ(ConnectToHost(s.session), widen(ftp::kOk));
    EXPECT_EQ(s.evento(), "Conexión Establecida... ");

    s.config.set(slot::kPassword, "equivocada");
    s.config.set(slot::kPort, "1");
    writeBytes(f.local.file("a.123"), "a");
    EXPECT_EQ(SendFile(s.session, f.local.file("a.123"), "REC/a.123"), ftp::kOk);

    EXPECT_EQ(DisconnectFromHost(f.client), ftp::kOk);
    EXPECT_EQ(ConnectToHost(s.session), widen(ftp::kConnectFailed));
    s.config.set(slot::kPort, f.server->portText());
    EXPECT_EQ(ConnectToHost(s.session), widen(ftp::kLoginRefused));
    s.config.set(slot::kPassword, "secreto");
    EXPECT_EQ(ConnectToHost(s.session), widen(ftp::kOk));
}

TEST(FtpSession, FilesLeftUndoneAreNamedInTheStatusLine) {
    {
        FtpFixture f("normal", {"--refuse", "b.gen"});
        Session s(f);
        for (const char* name : {"a.gen", "b.gen", "c.gen"}) {
            writeBytes(f.remoteFile(std::string("ENV/general/") + name), name);
        }
        EXPECT_EQ(ReceiveMultipleFiles(s.session, f.local.path(), "ENV/general", "*.*"),
                  ftp::kRemoteFileUnavailable);
        EXPECT_EQ(s.evento(), "Esta pendiente el archivo - 25743 b.gen");
        EXPECT_EQ(s.dialogs.componentErrors, std::vector<int>{25743});
        EXPECT_EQ(readBytes(f.local.file("c.gen")), "c.gen");

        // Many failures: the first few by name.
        for (const char* name : {"d.gen", "e.gen", "f.gen", "g.gen"}) {
            makeDirectory(f.local.file(name));
            writeBytes(f.remoteFile(std::string("ENV/general/") + name), name);
        }
        (void)ReceiveMultipleFiles(s.session, f.local.path(), "ENV/general", "*.*");
        EXPECT_EQ(s.evento(), "Esta pendiente el archivo - 25743 b.gen, d.gen, e.gen y 2 más");
    }
    {
        // Killed mid-upload: the part on the server cannot be removed.
        FtpFixture f("die", {"--cut-bytes", "10000"});
        Session s(f);
        writeBytes(f.local.file("m1234001.123"), std::string(1 << 20, 'm'));
        EXPECT_EQ(SendFile(s.session, f.local.file("m1234001.123"), "REC/m1234001.123"),
                  ftp::kConnectionClosed);
        EXPECT_EQ(s.evento(),
                  "No se pudo borrar del servidor el envío incompleto REC/m1234001.123");
    }
}

TEST(FtpSession, AServerThatStopsMidSessionIsReportedThenConnectedAgain) {
    FtpFixture f;
    Session s(f);
    writeBytes(f.remoteFile("ENV/m1234001.err"), "r");
    ASSERT_EQ(ConnectToHost(s.session), widen(ftp::kOk));

    // The dead session is noticed before the next call: a connection error,
    // not a file that is not there yet.
    f.server->stop();
    EXPECT_FALSE(f.client.IsConnected());
    const std::string local = f.local.file("m1234001.err");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ReceiveFile(s.session, local, "ENV/m1234001.err"), ftp::kConnectFailed);
        EXPECT_EQ(s.evento(), "ERROR en conexión 25711");
    }

    f.server->restart();
    EXPECT_EQ(ReceiveFile(s.session, local, "ENV/m1234001.err"), ftp::kOk);
    EXPECT_EQ(readBytes(local), "r");
}

}  // namespace
}  // namespace torva
