#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "support/FtpServer.h"
#include "support/Profile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"

namespace torva::ui {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

// Iniciar against a local server: the first pass runs at once, the real
// timer counts down to the next one; Detener disconnects.
TEST(CycleUi, IniciarConnectsPassesAndCountsDownDetenerStops) {
    TempDir remote;
    TempDir local;
    for (const char* d : {"REC", "ENV", "ENV/general"}) {
        makeDirectory(remote.path() + "/" + d);
    }
    test::FtpServer::Options options;
    options.root = remote.path();
    test::FtpServer server(options);
    const std::string send = local.file("envio");
    const std::string receive = local.file("recibo");
    makeDirectory(send);
    makeDirectory(receive);
    makeDirectory(joinPath(send, "Pend"));
    writeBytes(joinPath(joinPath(send, "Pend"), "m1234001.343"), "x");  // awaiting its response

    QtDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
    dialogs.setParent(&form);
    form.show();
    CurlFtpClient client;
    client.settings().timeouts = {3, 3, 3, 3};
    form.setFtpClient(&client);
    // The profile's configuration file, written as the program saves it.
    ASSERT_TRUE(test::saveProfile(local.path(), 0,
                                  {{slot::kHost, "127.0.0.1"},
                                   {slot::kPrimaryServer, "127.0.0.1"},
                                   {slot::kPort, server.portText()},
                                   {slot::kUser, "usuario1234"},
                                   {slot::kPassword, "secreto"},
                                   {slot::kSendDir, send},
                                   {slot::kReceiveDir, receive},
                                   {slot::kSendLetters, "m"},
                                   {slot::kReceiveLetters, "m"},
                                   {slot::kRoutes, "0"},
                                   {slot::kPassive, "1"},
                                   {slot::kPurge, "0"}}));
    form.load(0, local.path());
    ASSERT_EQ(form.state().config.get(slot::kPassword), "secreto");
    ASSERT_EQ(form.state().config.get(slot::kHost), "127.0.0.1");

    auto* start = form.findChild<QPushButton*>(QStringLiteral("Start_Button"));
    auto* evento = form.findChild<QLabel*>(QStringLiteral("Evento"));
    auto* bar = form.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    auto* ping = form.findChild<QPushButton*>(QStringLiteral("PingTest"));
    auto* pending = form.findChild<QListView*>(QStringLiteral("LstPendientes"));
    ASSERT_TRUE(start && evento && bar && tabs && ping && pending);
    EXPECT_EQ(start->text(), QStringLiteral("&Iniciar"));

    start->click();
    EXPECT_EQ(start->text(), QStringLiteral("&Detener"));
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_FALSE(ping->isEnabled());
    EXPECT_EQ(readBytes(remote.path() + "/REC/usuario1234odbc0.reg"),
              readBytes(configFilePath(local.path(), 0)));
    ASSERT_EQ(pending->model()->rowCount(), 1);
    EXPECT_EQ(pending->model()->index(0, 0).data().toString(),
              QStringLiteral("m1234001.343 - 09:30  En Espera"));
    EXPECT_EQ(pending->currentIndex().row(), 0);
    const QPalette system = QApplication::palette(pending);
    ASSERT_NE(system.color(QPalette::Base), system.color(QPalette::ToolTipBase));
    EXPECT_EQ(pending->palette().color(QPalette::Base), system.color(QPalette::ToolTipBase));
    EXPECT_FALSE(client.IsConnected());

    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return evento->text() == QStringLiteral("Siguiente ciclo en :27 Seg."); }, 5000));
    EXPECT_GT(bar->value(), 1);

    start->click();
    EXPECT_EQ(start->text(), QStringLiteral("&Iniciar"));
    EXPECT_EQ(evento->text(), QStringLiteral("Listo para hacer Conexión"));
    EXPECT_TRUE(ping->isEnabled());
    EXPECT_FALSE(client.IsConnected());
    // The countdown holds still.
    const int stoppedAt = bar->value();
    QTest::qWait(1200);
    EXPECT_EQ(bar->value(), stoppedAt);
    EXPECT_EQ(evento->text(), QStringLiteral("Listo para hacer Conexión"));

    form.state().config.setModified(false);
    EXPECT_TRUE(form.close());
}

}  // namespace
}  // namespace torva::ui
