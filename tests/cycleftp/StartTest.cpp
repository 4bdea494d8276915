#include <gtest/gtest.h>

#include <memory>

#include "cycle/CycleFixture.h"
#include "outgoing/PassFixture.h"
#include "support/FtpServer.h"
#include "transport/curl/CurlFtpClient.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::FtpServer;
using test::HookedClient;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// The service's folders served to user abc1234, with one general notice.
struct Service {
    TempDir root;
    std::unique_ptr<FtpServer> server;
    explicit Service(std::string mode = "normal") {
        for (const char* d : {"REC", "ENV", "ENV/general"}) {
            makeDirectory(root.path() + "/" + d);
        }
        writeBytes(root.path() + "/ENV/general/aviso.gen", "Aviso general\r\n");
        FtpServer::Options options;
        options.root = root.path();
        options.user = "abc1234";
        options.mode = std::move(mode);
        server = std::make_unique<FtpServer>(options);
    }
};

void useServer(CycleFixture& f, CurlFtpClient& client, const std::string& port) {
    client.settings().timeouts = {3, 3, 3, 3};
    f.ports.ftp = &client;
    ConfigRecord& c = f.state.config;
    c.set(slot::kHost, "127.0.0.1");
    c.set(slot::kPort, port);
    c.set(slot::kUser, "abc1234");
    c.set(slot::kPassword, "secreto");
    c.set(slot::kPassive, "1");
}

TEST(CycleStart, StartFetchesNoticesUploadsTheConfigurationPassesAndStopDisconnects) {
    Service service;
    CycleFixture f;
    CurlFtpClient client;
    useServer(f, client, service.server->portText());
    f.state.profileIndex = 2;
    writeBytes(f.state.configPath(), "configuración\r\n");

    Start_Button_Click(f.state, f.ports);

    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_TRUE(f.dialogs.componentErrors.empty());
    EXPECT_EQ(readBytes(service.root.path() + "/REC/abc1234odbc2.reg"), "configuración\r\n");
    EXPECT_EQ(readBytes(joinPath(f.receive, "aviso.gen")), "Aviso general\r\n");
    EXPECT_EQ(f.caption(Caption::StartButton), "&Detener");
    EXPECT_EQ(f.caption(Caption::LblComentario),
              "Para realizar pruebas se debe detener el proceso de validación.");
    EXPECT_FALSE(f.state.cycle.testsEnabled());
    EXPECT_EQ(f.state.cycle.shownTab(), kTabStatus);
    // The first pass ran and closed the connection.
    EXPECT_TRUE(isDirectory(joinPath(f.send, "Pend")));
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
              std::vector<std::string>{"No hay Archivos Pedientes"});
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 1);
    EXPECT_EQ(f.dialogs.busyDepth, 0);

    f.tick();
    EXPECT_EQ(f.caption(Caption::Evento), "Siguiente ciclo en :28 Seg.");

    Start_Button_Click(f.state, f.ports);
    EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
    EXPECT_EQ(f.caption(Caption::Evento), "Listo para hacer Conexión");
    EXPECT_EQ(f.caption(Caption::LblComentario), "Listo para iniciar pruebas");
    EXPECT_TRUE(f.state.cycle.testsEnabled());
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(CycleStart, UnreachableServerLeavesTheCycleStoppedOnTheConfigurationTab) {
    std::string closedPort;
    {
        Service service;
        closedPort = service.server->portText();
    }
    CycleFixture f;
    CurlFtpClient client;
    useServer(f, client, closedPort);

    Start_Button_Click(f.state, f.ports);

    ASSERT_EQ(f.dialogs.componentErrors.size(), 1u);
    EXPECT_EQ(f.caption(Caption::Evento),
              "ERROR al conectar- " + std::to_string(f.dialogs.componentErrors[0]));
    EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
    EXPECT_EQ(f.state.gauges.progress(), 0);
    EXPECT_EQ(f.state.cycle.shownTab(), kTabConfiguracion);
    EXPECT_TRUE(f.state.cycle.testsEnabled());
    EXPECT_FALSE(isDirectory(joinPath(f.send, "Pend")));  // no pass
    f.tick();
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
}

// The service takes the login and then goes silent: the start waits out one
// time-out (the notices), and the configuration upload, the uploads and the
// search of its first pass wait for the next pass.
TEST(CycleStart, AServerSilentAfterTheLoginCostsTheStartOneTimeOut) {
    Service service("mute");
    CycleFixture f;
    CurlFtpClient client;
    useServer(f, client, service.server->portText());
    HookedClient hooked(client);
    hooked.settings().timeouts = {2, 2, 2, 2, 4, 1, 256};
    f.ports.ftp = &hooked;
    ConfigRecord& c = f.state.config;
    c.set(slot::kLowerFolio, "001");
    c.set(slot::kUpperFolio, "999");
    c.set(slot::kAutoSend, "1");
    writeBytes(f.state.configPath(), "configuración\r\n");
    writeBytes(joinPath(f.send, "m1234001.343"), "x");
    makeDirectory(joinPath(f.send, "Pend"));
    writeBytes(f.in("Pend", "m1234002.343"), "x");

    Start_Button_Click(f.state, f.ports);
    EXPECT_EQ(hooked.connects, 1);
    EXPECT_EQ(hooked.calls(), 2);  // the login and the notices
    EXPECT_EQ(f.caption(Caption::StartButton), "&Detener");
    EXPECT_FALSE(isRegularFile(f.in("Pend", "m1234001.343")));
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 1);
}

}  // namespace
}  // namespace torva
