#include <gtest/gtest.h>

#include <chrono>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <thread>

#include "nettest/icmp/SystemEcho.h"
#include "profiles/ConfigFile.h"
#include "support/Profile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

// The system's echo, each request 100 ms late, so the window has time to run.
class LateEcho final : public EchoTransport {
  public:
    EchoCode check() override { return system.check(); }
    EchoOutcome echo(const std::string& address, std::uint16_t sequence, int timeoutMs,
                     bool dontFragment) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return system.echo(address, sequence, timeoutMs, dontFragment);
    }
    SystemEchoTransport system;
};

// The main window loaded with a profile whose server is 127.0.0.1.
struct Window {
    Window() {
        EXPECT_TRUE(test::saveProfile(dir.path(), 0,
                                      {{slot::kHost, "127.0.0.1"},
                                       {slot::kPrimaryServer, "127.0.0.1"},
                                       {slot::kUser, "usuario1234"}}));
        form.load(0, dir.path());
        form.show();
    }
    template <typename W>
    W* find(const char* name) {
        auto* w = form.findChild<W*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    void typeHost(const QString& host) {
        auto* edit = find<QLineEdit>("HostName");
        edit->selectAll();
        QTest::keyClicks(edit, host);
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 10, 9, 0, 0}};
    Form1 form{dialogs, clock, HostIdentity{"pc", "127.0.0.1"}};
};

#define TORVA_NEED_ICMP()                                                  \
    if (!ok(SystemEchoTransport().check())) {                              \
        GTEST_SKIP() << "no ICMP socket on this system (datagram or raw)"; \
    }

TEST(PruebasUi, ThreeStagesRunWhileTheWindowKeepsGoingWithIniciarLocked) {
    TORVA_NEED_ICMP();
    Window w;
    LateEcho echo;
    SystemResolver resolver;
    w.form.setEchoTransport(&echo, &resolver);
    EXPECT_TRUE(w.find<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(w.text("SendLabel"), QStringLiteral("0"));
    EXPECT_EQ(w.text("LossLabel"), QStringLiteral("0%"));
    w.typeHost(QStringLiteral("127.0.0.1"));

    int ticks = 0;
    int lockedTicks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        if (!w.find<QPushButton>("Start_Button")->isEnabled() &&
            !w.find<QPushButton>("PingTest")->isEnabled() &&
            !w.find<QPushButton>("CmdPruebas")->isEnabled()) {
            ++lockedTicks;
        }
    });
    timer.start(20);
    QTest::mouseClick(w.find<QPushButton>("PingTest"), Qt::LeftButton);
    timer.stop();

    // Nine requests of 100 ms each: the timer ran all along, with the buttons locked.
    EXPECT_GE(ticks, 20);
    EXPECT_EQ(lockedTicks, ticks);
    const QString out = w.find<QTextEdit>("PingOutPut")->toPlainText();
    EXPECT_TRUE(out.contains(QStringLiteral("PROBANDO COMUNICACIÓN CON TORVA")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("FIN DE PRUEBA")));
    EXPECT_EQ(out.count(QStringLiteral("32 bytes recibidos")), 9);
    EXPECT_EQ(w.text("SendLabel"), QStringLiteral("9"));
    EXPECT_EQ(w.text("RecvLabel"), QStringLiteral("9"));
    EXPECT_EQ(w.text("LblResultado"), QStringLiteral("Excelente"));
    auto* comentario = w.find<QLabel>("LblComentario");
    EXPECT_EQ(comentario->text().toStdString(), "La comunicación esta operando correctamente.");
    EXPECT_EQ(comentario->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_TRUE(w.find<QPushButton>("Start_Button")->isEnabled());
    EXPECT_TRUE(w.find<QPushButton>("PingTest")->isEnabled());
}

TEST(PruebasUi, ClosingDuringATestClosesAfterIt) {
    TORVA_NEED_ICMP();
    Window w;
    LateEcho echo;
    SystemResolver resolver;
    w.form.setEchoTransport(&echo, &resolver);
    w.typeHost(QStringLiteral("127.0.0.1"));
    QTimer::singleShot(150, &w.form, &QWidget::close);
    bool openMidTest = false;
    QTimer::singleShot(450, [&] { openMidTest = w.form.isVisible(); });
    QTest::mouseClick(w.find<QPushButton>("PingTest"), Qt::LeftButton);

    EXPECT_TRUE(openMidTest);

    // The test ran to its end, then the window closed.
    EXPECT_TRUE(
        w.find<QTextEdit>("PingOutPut")->toPlainText().contains(QStringLiteral("FIN DE PRUEBA")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.form.isVisible(); }, 2000));
}

TEST(PruebasUi, ConstantTestCountsUntilStoppedAndTheCycleLocksTheTests) {
    TORVA_NEED_ICMP();
    Window w;
    SystemEchoTransport echo;
    SystemResolver resolver;
    w.form.setEchoTransport(&echo, &resolver);
    w.typeHost(QStringLiteral("127.0.0.1"));
    QTest::mouseClick(w.find<QCheckBox>("Check1"), Qt::LeftButton);  // asynchronous
    EXPECT_FALSE(w.form.state().pruebas.check1());

    auto* cmdPruebas = w.find<QPushButton>("CmdPruebas");
    QTest::mouseClick(cmdPruebas, Qt::LeftButton);
    EXPECT_EQ(cmdPruebas->text(), QStringLiteral("Termi&nar Prueba"));
    EXPECT_FALSE(w.find<QPushButton>("Start_Button")->isEnabled());
    EXPECT_FALSE(w.find<QPushButton>("PingTest")->isEnabled());
    EXPECT_FALSE(w.find<QPushButton>("ComdProbar")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.text("RecvLabel") == QStringLiteral("3"); }, 5000));
    EXPECT_EQ(w.text("SendLabel"), QStringLiteral("3"));
    EXPECT_EQ(w.text("LossLabel"), QStringLiteral("0%"));
    EXPECT_EQ(w.text("LblResultado"), QStringLiteral("Excelente"));
    EXPECT_EQ(w.find<QTextEdit>("PingOutPut")->toPlainText().count(QStringLiteral("icmp_seq=")), 3);

    QTest::mouseClick(cmdPruebas, Qt::LeftButton);
    EXPECT_EQ(cmdPruebas->text(), QStringLiteral("I&niciar Prueba"));
    EXPECT_EQ(w.text("SendLabel"), QStringLiteral("0"));
    EXPECT_EQ(w.text("LblComentario"), QStringLiteral("La prueba ha terminado."));
    EXPECT_TRUE(w.find<QPushButton>("Start_Button")->isEnabled());

    // The cycle running holds every test button.
    w.form.state().cycle.setTestsEnabled(false);
    for (const char* name : {"PingTest", "ComdProbar", "CmdPruebas"}) {
        EXPECT_FALSE(w.find<QPushButton>(name)->isEnabled()) << name;
    }
    w.form.state().cycle.setTestsEnabled(true);
    for (const char* name : {"PingTest", "ComdProbar", "CmdPruebas"}) {
        EXPECT_TRUE(w.find<QPushButton>(name)->isEnabled()) << name;
    }
}

TEST(PruebasUi, WithoutAnEchoTheTestSaysSoInRed) {
    Window w;
    QTest::mouseClick(w.find<QPushButton>("PingTest"), Qt::LeftButton);
    auto* comentario = w.find<QLabel>("LblComentario");
    EXPECT_EQ(comentario->text().toStdString(), textoFallaSocket(EchoCode::SocketUnavailable));
    EXPECT_EQ(comentario->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(w.find<QPushButton>("PingTest")->isEnabled());
}

}  // namespace
}  // namespace torva::ui
