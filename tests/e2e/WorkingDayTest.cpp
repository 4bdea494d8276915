#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "e2e/WindowReading.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "support/FtpServer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"
#include "ui/FrmEntrada.h"

namespace torva::ui {
namespace {

using e2e::child;
using e2e::entries;
using e2e::fileNames;
using e2e::Names;
using test::FtpServer;
using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

constexpr LocalDateTime kMorning{2026, 12, 9, 10, 0, 0};  // julian day 343
constexpr int kDay = 343;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

Names logLines(const std::string& path) {
    Names out;
    const std::string text = readBytes(path);
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        out.push_back(text.substr(at, end - at));
    }
    return out;
}

// The demo installation (tools/make_demo.py) pointed at the simulator's port:
// profile "1234", folders env/ and rec/, and the sample files of the day.
void makeInstallation(const std::string& root, int port) {
    const std::string command = std::string("'") + TORVA_PYTHON + "' '" + TORVA_SOURCE_DIR +
                                "/tools/make_demo.py' '" + root + "' --port " +
                                std::to_string(port) + " --day " + std::to_string(kDay) +
                                " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The program as main() wires it, with a scripted operator and a set clock.
struct Program {
    ScriptedDialogs dialogs;
    SettableClock clock{kMorning};
    CurlFtpClient ftp;
    std::unique_ptr<Form1> form;

    // The start-up window: the one profile, "Entrar"; then the main window.
    Form1& start(const std::string& dir) {
        std::optional<std::size_t> chosen;
        {
            FrmEntrada entrada(dir, dialogs);
            entrada.show();
            QTest::mouseClick(child<QPushButton>(&entrada, "CmdEntrar"), Qt::LeftButton);
            EXPECT_EQ(entrada.result(), QDialog::Accepted);
            chosen = entrada.chosenIndex();
        }
        EXPECT_EQ(chosen, 0u);
        form = std::make_unique<Form1>(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
        form->setFtpClient(&ftp);
        form->load(static_cast<std::uint8_t>(chosen.value_or(0)), dir);
        form->show();
        return *form;
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(form.get(), button), Qt::LeftButton);
    }
    QString text(const char* name) { return child<QLabel>(form.get(), name)->text(); }
    QString startCaption() { return child<QPushButton>(form.get(), "Start_Button")->text(); }
};

std::string day(int d) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", d);
    return text;
}

// The service simulator serving root as the demo profile's user. Answers come
// a few seconds after each upload: after the pass that sent the file, before
// the next one.
FtpServer::Options simulatorOptions(const std::string& root, Names more = {}) {
    FtpServer::Options options;
    options.root = root;
    options.user = "demo1234";
    options.password = "demo";
    options.script = std::string(TORVA_SOURCE_DIR) + "/tools/torva_sim.py";
    options.extraArgs = {"--delay", "5", "--lifetime", "300"};
    options.extraArgs.insert(options.extraArgs.end(), more.begin(), more.end());
    return options;
}

TEST(WorkingDay, FilesGoOutAnswersComeBackAndARestartRebuildsTheLists) {
    TempDir install;
    TempDir service;
    FtpServer simulator(simulatorOptions(service.path()));
    makeInstallation(install.path(), simulator.port());

    const std::string env = install.file("env");
    const std::string rec = install.file("rec");
    const std::string today = day(kDay);
    // Besides the samples: names the pass leaves alone.
    const Names leftAlone = {"m9999001." + today, "m1234005.err", "x1234012345." + today};
    for (const auto& name : leftAlone) {
        writeBytes(env + "/" + name, "500|1|\r\n");
    }
    const Names sent = {"b1234002." + today, "e1234003." + today, "m1234001." + today};
    const Names answers = {"a1234003." + today, "m1234001.err", "r1234002." + today};
    const Names refused = {"m1234004." + day(kDay - 1), "m1234750." + today};

    Program first;
    Form1& form = first.start(install.path());
    auto* slider = child<QSlider>(&form, "SldControl");
    slider->setValue(slider->minimum());
    ASSERT_EQ(form.state().gauges.cycleSeconds(), 10);

    // Iniciar: notices, configuration upload and the first pass, at once.
    first.click("Start_Button");
    EXPECT_EQ(first.startCaption(), "&Detener");
    Names expectSent;
    for (const auto& name : sent) {
        expectSent.push_back(name + " - 10:00:00");
    }
    EXPECT_EQ(sorted(entries(&form, "LstEnviados")), expectSent);
    EXPECT_EQ(sorted(entries(&form, "LstRechazados")),
              (Names{refused[0] + " 10:00  JULIANO MAL", refused[1] + " 10:00   FOLIOS MAL"}));
    Names expectPending;
    for (const auto& name : sent) {
        expectPending.push_back(name + " - 10:00  En Espera");
    }
    EXPECT_EQ(sorted(entries(&form, "LstPendientes")), expectPending);
    EXPECT_EQ(fileNames(env + "/Pend"), sent);
    EXPECT_EQ(fileNames(env + "/Enviados"), sent);
    EXPECT_EQ(fileNames(env + "/Rechaza"), refused);
    Names stillThere = sent;
    stillThere.insert(stillThere.end(), leftAlone.begin(), leftAlone.end());
    stillThere.push_back("bitacora");
    EXPECT_EQ(fileNames(env), sorted(stillThere));
    Names uploaded = sent;
    uploaded.push_back("demo1234odbc0.reg");
    EXPECT_EQ(fileNames(service.path() + "/REC"), sorted(uploaded));
    EXPECT_EQ(readBytes(service.path() + "/REC/" + sent[2]), readBytes(env + "/" + sent[2]));
    EXPECT_TRUE(isRegularFile(rec + "/aviso.gen"));  // the notices came down
    EXPECT_TRUE(entries(&form, "LstRecibidos").empty());

    // The answers come at the next pass.
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries(&form, "LstRecibidos").size() == 3; }, 30000))
        << "no answers after 30 s";
    Names expectReceived;
    for (const auto& name : answers) {
        expectReceived.push_back(name + " - 10:00:00");
        EXPECT_EQ(readBytes(rec + "/" + name).rfind("TORVA Centro de Prevalidaci", 0), 0u) << name;
    }
    EXPECT_EQ(sorted(entries(&form, "LstRecibidos")), expectReceived);
    EXPECT_EQ(entries(&form, "LstPendientes"), Names{"No hay Archivos Pedientes"});
    EXPECT_TRUE(fileNames(env + "/Pend").empty());

    // The day's log holds one line per file sent and per answer, in list order.
    Names expectLog;
    for (const auto& entry : entries(&form, "LstEnviados")) {
        expectLog.push_back("E - " + entry);
    }
    for (const auto& entry : entries(&form, "LstRecibidos")) {
        expectLog.push_back("R - " + entry);
    }
    const std::string log = rec + "/1234" + std::to_string(kDay) + ".log";
    EXPECT_EQ(logLines(log), expectLog);
    const Names shownSent = entries(&form, "LstEnviados");
    const Names shownReceived = entries(&form, "LstRecibidos");

    // Detener, then leave without being asked anything.
    first.click("Start_Button");
    EXPECT_EQ(first.startCaption(), "&Iniciar");
    EXPECT_EQ(first.text("Evento"), "Listo para hacer Conexión");
    EXPECT_TRUE(form.close());
    EXPECT_EQ(first.dialogs.texts(), Names{});
    EXPECT_TRUE(first.dialogs.componentErrors.empty());
    first.form.reset();

    // The next start rebuilds the lists from the log and the folders, and a
    // pass sends nothing twice.
    Program second;
    Form1& again = second.start(install.path());
    EXPECT_EQ(entries(&again, "LstEnviados"), shownSent);
    EXPECT_EQ(entries(&again, "LstRecibidos"), shownReceived);
    EXPECT_EQ(sorted(entries(&again, "LstRechazados")),
              (Names{refused[0] + " - RECHAZADO", refused[1] + " - RECHAZADO"}));
    EXPECT_EQ(entries(&again, "LstPendientes"), Names{"No hay Archivos Pedientes"});
    second.click("Start_Button");
    EXPECT_EQ(second.startCaption(), "&Detener");
    EXPECT_EQ(entries(&again, "LstEnviados"), shownSent);
    EXPECT_EQ(logLines(log), expectLog);
    EXPECT_EQ(fileNames(service.path() + "/REC"), sorted(uploaded));
    second.click("Start_Button");
    EXPECT_TRUE(again.close());
    EXPECT_EQ(second.dialogs.texts(), Names{});
}

// "server.dat" comes down with the notices at Iniciar and selects the
// secondary server before the first pass, which goes on over it.
TEST(WorkingDay, AServerInstructionAmongTheNoticesSelectsTheSecondaryServer) {
    TempDir install;
    TempDir service;
    FtpServer simulator(simulatorOptions(service.path(), {"--server-dat", "1"}));
    makeInstallation(install.path(), simulator.port());

    Program program;
    Form1& form = program.start(install.path());
    EXPECT_TRUE(child<QRadioButton>(&form, "OpnPrimario")->isChecked());
    program.click("Start_Button");
    EXPECT_TRUE(child<QRadioButton>(&form, "OpnSecundario")->isChecked());
    EXPECT_FALSE(pathExists(install.file("rec") + "/server.dat"));
    EXPECT_EQ(entries(&form, "LstEnviados").size(), 3u);
    EXPECT_TRUE(program.dialogs.componentErrors.empty());
    program.click("Start_Button");
    program.dialogs.answer(DialogAnswer::No);  // a changed server is not saved
    EXPECT_TRUE(form.close());
}

}  // namespace
}  // namespace torva::ui
