#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "e2e/WindowReading.h"
#include "platform/Ansi.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FtpServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

using e2e::child;
using e2e::entries;
using e2e::fileNames;
using e2e::Names;
using test::FtpServer;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

constexpr int kDay = 343;

// The demo installation with a route per send letter (m,b,c,s,t,e,f,e) and
// the purge on.
std::string makeInstallation(const std::string& root, int port) {
    const std::string command = std::string("'") + TORVA_PYTHON + "' '" + TORVA_SOURCE_DIR +
                                "/tools/make_demo.py' '" + root + "' --port " +
                                std::to_string(port) + " --day " + std::to_string(kDay) +
                                " > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::string sendRoutes, receiveRoutes;
    for (int k = 0; k < 8; ++k) {
        const std::string envio = joinPath(root, "envio" + std::to_string(k));
        const std::string recibo = joinPath(root, "recibo" + std::to_string(k));
        makeDirectory(envio);
        makeDirectory(recibo);
        sendRoutes += (k ? "," : "") + envio;
        receiveRoutes += (k ? "," : "") + recibo;
    }
    const std::string config = joinPath(root, "odbc0.reg");
    std::vector<std::string> lines;
    EXPECT_FALSE(readAnsiLines(config, lines));
    lines.at(19) = "1";
    lines.at(20) = sendRoutes;
    lines.at(21) = receiveRoutes;
    lines.at(22) = "1";
    EXPECT_FALSE(writeAnsiLines(config, lines));
    return root;
}

// As an office with two producing systems lives it: their files travel in
// from their route folders, the answers go back to each system's folder, the
// service's notices show, and the first seconds of the next day leave only
// the new day's work, yesterday's answers and log kept in Respalda.
TEST(Midnight, RoutesCarryFilesAndAnswersAndTheNewDayIsPurged) {
    TempDir install;
    TempDir service;
    FtpServer::Options options;
    options.root = service.path();
    options.user = "demo1234";
    options.password = "demo";
    options.script = std::string(TORVA_SOURCE_DIR) + "/tools/torva_sim.py";
    options.extraArgs = {"--delay", "3", "--lifetime", "300"};
    FtpServer simulator(options);
    const std::string root = makeInstallation(install.path(), simulator.port());
    const std::string env = install.file("env"), rec = install.file("rec");
    auto envio = [&](int k) { return install.file("envio" + std::to_string(k)); };
    auto recibo = [&](int k) { return install.file("recibo" + std::to_string(k)); };
    writeBytes(joinPath(envio(1), "b1234010.343"), "501|1|\r\n");  // the b system
    writeBytes(joinPath(envio(5), "e1234011.343"), "501|1|\r\n");  // the e system

    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 23, 59, 0}};
    CurlFtpClient ftp;
    Form1 form(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
    form.setFtpClient(&ftp);
    form.load(0, root);
    form.show();
    auto* slider = child<QSlider>(&form, "SldControl");
    slider->setValue(slider->minimum());

    QTest::mouseClick(child<QPushButton>(&form, "Start_Button"), Qt::LeftButton);
    const Names sent = entries(&form, "LstEnviados");
    EXPECT_NE(std::find(sent.begin(), sent.end(), "b1234010.343 - 23:59:00"), sent.end());
    EXPECT_NE(std::find(sent.begin(), sent.end(), "e1234011.343 - 23:59:00"), sent.end());
    EXPECT_EQ(entries(&form, "LstMensajes").size(), 4u);
    EXPECT_EQ(child<QLabel>(&form, "LblAvisoParticular")->text().toStdString(),
              "Su patente está al corriente en sus pagos de prevalidación.");

    ASSERT_TRUE(QTest::qWaitFor([&] { return entries(&form, "LstRecibidos").size() == 5; }, 40000))
        << "no answers after 40 s";
    EXPECT_EQ(fileNames(recibo(0)), Names{"m1234001.err"});
    EXPECT_EQ(fileNames(recibo(1)), (Names{"r1234002.343", "r1234010.343"}));
    EXPECT_TRUE(fileNames(recibo(5)).empty());  // e answers with a, not r
    EXPECT_TRUE(fileNames(recibo(6)).empty());  // f: 15-character a-answers only
    EXPECT_EQ(fileNames(recibo(7)), (Names{"a1234003.343", "a1234011.343"}));
    EXPECT_EQ(readBytes(joinPath(recibo(1), "r1234010.343")),
              readBytes(joinPath(rec, "r1234010.343")));

    // The first seconds of the next day.
    clock.set({2026, 12, 10, 0, 0, 5});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return child<QLabel>(&form, "DiaJuliano")->text() == QStringLiteral("344"); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries(&form, "LstRecibidos").empty(); }, 5000));
    EXPECT_TRUE(entries(&form, "LstEnviados").empty());
    EXPECT_EQ(fileNames(joinPath(rec, "Respalda")),
              (Names{"1234343.log", "a1234003.343", "a1234011.343", "m1234001.err", "r1234002.343",
                     "r1234010.343"}));
    EXPECT_EQ(fileNames(rec), Names{"aviso.gen"});
    EXPECT_TRUE(fileNames(joinPath(env, "Pend")).empty());
    EXPECT_EQ(fileNames(joinPath(env, "Enviados")).size(), 5u);  // kept nineteen days
    EXPECT_TRUE(fileNames(envio(1)).empty());
    EXPECT_TRUE(fileNames(recibo(1)).empty());
    EXPECT_EQ(child<QLabel>(&form, "LblAvisoParticular")->text().toStdString(),
              "Su patente está al corriente en sus pagos de prevalidación.");

    QTest::mouseClick(child<QPushButton>(&form, "Start_Button"), Qt::LeftButton);
    dialogs.answer(DialogAnswer::No);
    form.close();
    EXPECT_TRUE(dialogs.componentErrors.empty());
}

}  // namespace
}  // namespace torva::ui
