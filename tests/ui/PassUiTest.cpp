#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "EventProbe.h"
#include "logview/DailyLog.h"
#include "names/WorkDirs.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "support/FtpServer.h"
#include "support/Profile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"

// The window while a pass runs against a server that answers each command
// 50 ms late: it goes on processing events, and Detener or closing it ends
// the pass after the file in flight with every file either sent and recorded
// or untouched.
namespace torva::ui {
namespace {

using Steady = std::chrono::steady_clock;
using test::TempDir;

constexpr int kFiles = 6;

std::string fileName(int folio) {
    return "m1234" + std::string(folio < 10 ? "00" : "0") + std::to_string(folio) + ".343";
}

// The validation files in a folder.
std::size_t countFiles(const std::string& dir) {
    std::error_code ec;
    std::size_t n = 0;
    for (const DirEntry& e : listDirectory(dir, ec)) {
        n += e.name.rfind("m1234", 0) == 0 ? 1u : 0u;
    }
    return n;
}

struct Office {
    TempDir remote;
    TempDir local;
    std::string send = local.file("envio");
    std::string receive = local.file("recibo");
    std::unique_ptr<test::FtpServer> server;
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    CurlFtpClient client;
    std::unique_ptr<Form1> form;

    Office() {
        for (const char* d : {"REC", "ENV", "ENV/general"}) {
            makeDirectory(remote.path() + "/" + d);
        }
        test::FtpServer::Options options;
        options.root = remote.path();
        options.extraArgs = {"--command-delay", "50"};
        server = std::make_unique<test::FtpServer>(options);
        makeDirectory(send);
        makeDirectory(receive);
        for (int i = 1; i <= kFiles; ++i) {
            test::writeBytes(joinPath(send, fileName(i)), "500|" + std::to_string(i) + "|\r\n");
        }
        EXPECT_TRUE(test::saveProfile(local.path(), 0,
                                      {{slot::kHost, "127.0.0.1"},
                                       {slot::kPrimaryServer, "127.0.0.1"},
                                       {slot::kPort, server->portText()},
                                       {slot::kUser, "usuario1234"},
                                       {slot::kPassword, "secreto"},
                                       {slot::kSendDir, send},
                                       {slot::kReceiveDir, receive},
                                       {slot::kSendLetters, "m"},
                                       {slot::kReceiveLetters, "m"},
                                       {slot::kLowerFolio, "001"},
                                       {slot::kUpperFolio, "999"},
                                       {slot::kRoutes, "0"},
                                       {slot::kPassive, "1"},
                                       {slot::kAutoSend, "1"},
                                       {slot::kPurge, "0"}}));
        form = std::make_unique<Form1>(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
        client.settings().timeouts = {5, 5, 5, 5};
        form->setFtpClient(&client);
        form->load(0, local.path());
        form->show();
    }

    QPushButton* start() { return form->findChild<QPushButton*>(QStringLiteral("Start_Button")); }
    std::size_t uploaded() const { return countFiles(remote.path() + "/REC"); }

    // Each file is either sent with all its records or untouched in the send folder.
    void expectEachFileWholeOrUntouched(std::size_t& sent) const {
        const WorkDirs dirs = workDirs(form->state().config);
        const std::string log = readText(dailyLogPath(form->state().config, 343));
        const std::string registry = readText(dirs.registry);
        sent = 0;
        for (int i = 1; i <= kFiles; ++i) {
            const std::string n = fileName(i);
            const bool onServer = isRegularFile(remote.path() + "/REC/" + n);
            SCOPED_TRACE(n);
            EXPECT_EQ(isRegularFile(joinPath(dirs.pending, n)), onServer);
            EXPECT_EQ(isRegularFile(joinPath(dirs.sent, n)), onServer);
            EXPECT_EQ(log.find("E - " + n) != std::string::npos, onServer);
            EXPECT_EQ(registry.find(n) != std::string::npos, onServer);
            EXPECT_TRUE(isRegularFile(joinPath(send, n)));
            sent += onServer ? 1 : 0;
        }
    }

    static std::string readText(const std::string& path) {
        return isRegularFile(path) ? test::readBytes(path) : std::string();
    }
};

// Runs action once the server holds the given number of uploads.
void whenUploaded(Office& office, std::size_t count, std::function<void()> action) {
    auto* poll = new QTimer(office.form.get());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&office, count, poll, action] {
        if (office.uploaded() >= count) {
            poll->stop();
            action();
        }
    });
    poll->start();
}

TEST(PassUi, TheWindowProcessesEventsWhileAPassRuns) {
    Office office;
    test::EventProbe probe(10);
    const auto begin = Steady::now();
    office.start()->click();
    const double pass = std::chrono::duration<double>(Steady::now() - begin).count();
    probe.stop();

    EXPECT_EQ(office.uploaded(), static_cast<std::size_t>(kFiles));
    EXPECT_EQ(office.start()->text(), QStringLiteral("&Detener"));
    // Frozen, the probe would tick once at the end of the pass.
    ASSERT_GT(pass, 1.0);
    EXPECT_GT(probe.ticks(), 10);
    EXPECT_LT(probe.longestGap(), pass / 2);
}

TEST(PassUi, DetenerDuringAPassEndsItAfterTheFileInFlight) {
    Office office;
    // The operator's click, while the button's own click of Iniciar runs the pass.
    whenUploaded(office, 2, [&office] { QTest::mouseClick(office.start(), Qt::LeftButton); });
    office.start()->click();

    EXPECT_EQ(office.start()->text(), QStringLiteral("&Iniciar"));
    EXPECT_FALSE(office.client.IsConnected());
    EXPECT_FALSE(office.form->state().cycle.stopRequested);
    std::size_t sent = 0;
    office.expectEachFileWholeOrUntouched(sent);
    EXPECT_GE(sent, 2u);
    EXPECT_LT(sent, static_cast<std::size_t>(kFiles));
}

TEST(PassUi, ClosingDuringAPassAsksThenClosesWhenTheFileInFlightIsDone) {
    Office office;
    office.dialogs.answer(DialogAnswer::Yes);  // leave during the pass
    whenUploaded(office, 2, [&office] { office.form->close(); });
    office.start()->click();
    QApplication::processEvents();

    ASSERT_FALSE(office.dialogs.shown.empty());
    EXPECT_NE(office.dialogs.shown.front().text.find("¿Desea salir?"), std::string::npos);
    EXPECT_FALSE(office.form->isVisible());
    EXPECT_FALSE(office.client.IsConnected());
    std::size_t sent = 0;
    office.expectEachFileWholeOrUntouched(sent);
    EXPECT_LT(sent, static_cast<std::size_t>(kFiles));
}

}  // namespace
}  // namespace torva::ui
