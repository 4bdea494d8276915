// The main window on a 1366 x 768 screen: every tab and panel fits, and the
// window is no larger after a panel closes. With TORVA_SCREENSHOTS set to a
// folder, each view is also saved there as a PNG.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "platform/Ansi.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

// The work area of a 1366 x 768 screen under a title bar and a task bar.
constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
constexpr int kWindowDecoration = 40 + 40;

void shoot(QWidget& window, const char* name) {
    const QByteArray dir = qgetenv("TORVA_SCREENSHOTS");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(
            window.grab().save(QDir(QString::fromLocal8Bit(dir))
                                   .filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
    }
}

// A profile as an office has it, so the screenshots show real values.
void writeSampleProfile(const TempDir& dir) {
    const std::vector<std::string> lines = {"127.0.0.1",
                                            "agente1234",
                                            "|1946|1946",
                                            "C:\\TORVA\\Enviar",
                                            "C:\\TORVA\\Recibir",
                                            "001",
                                            "500",
                                            "21",
                                            "127.0.0.1",
                                            "127.0.0.2",
                                            "m,b,c",
                                            "m,r,c",
                                            "1",
                                            "C:\\TORVA\\FEA\\agente.key",
                                            "C:\\TORVA\\FEA\\agente.cer",
                                            "",
                                            "0",
                                            "24",
                                            "1",
                                            "0",
                                            "C:\\Pagos\\m,C:\\Pagos\\b,C:\\Pagos\\c",
                                            "C:\\Pagos\\Resp",
                                            "1"};
    ASSERT_FALSE(writeAnsiLines(dir.file("odbc0.reg"), lines));
}

void expectFits(QWidget& window, const char* view) {
    QCoreApplication::processEvents();
    EXPECT_LE(window.width(), kScreenWidth) << view;
    EXPECT_LE(window.height(), kScreenHeight - kWindowDecoration) << view;
    EXPECT_LE(window.minimumSizeHint().height(), kScreenHeight - kWindowDecoration) << view;
}

TEST(Layout, EveryTabAndPanelFitsA1366By768ScreenAndThePanelsGiveTheSpaceBack) {
    TempDir dir;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    writeSampleProfile(dir);
    Form1 form(dialogs, clock, HostIdentity{"pc-aduana", "192.0.2.7"});
    form.load(0, dir.path());
    // The sample's folders are Windows ones: the purge's folder check says so.
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.rfind("ERROR: es imposible continuar", 0), 0u);
    auto& lists = form.state().lists;
    lists.set(ListId::Enviados, {"m1234001.343 - 09:12:04", "m1234002.343 - 09:14:40"});
    lists.set(ListId::Recibidos, {"m1234001.343 - 09:13:10"});
    lists.set(ListId::Pendientes, {"m1234002.343"});
    form.show();
    QCoreApplication::processEvents();
    const QSize closed = form.size();

    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    ASSERT_NE(tabs, nullptr);
    const char* tabNames[] = {"tab-configuracion", "tab-status", "tab-conexion"};
    for (int t = 0; t < 3; ++t) {
        tabs->setCurrentIndex(t);
        expectFits(form, tabNames[t]);
        shoot(form, tabNames[t]);
    }
    tabs->setCurrentIndex(0);
    // The hidden fields keep their rows: showing them moves nothing.
    auto* picture = form.findChild<QWidget*>(QStringLiteral("Image3(0)"));
    QTest::mouseDClick(picture, Qt::LeftButton);
    ASSERT_TRUE(form.findChild<QWidget*>(QStringLiteral("TxtConfiguration(17)"))->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(form.size(), closed);
    QTest::mouseDClick(picture, Qt::LeftButton);
    struct Panel {
        const char* open;
        const char* close;
        const char* shot;
    };
    const Panel panels[] = {
        {"CmdServidor", "CmdFmeservidor", "panel-servidor"},
        {"CmdDatosFirma", "CmdOcultarfmeFEA", "panel-firma"},
        {"CmdRutas", "CmdOcultarFmeRutas", "panel-rutas"},
    };
    for (const auto& p : panels) {
        form.findChild<QPushButton*>(QString::fromLatin1(p.open))->click();
        expectFits(form, p.shot);
        shoot(form, p.shot);
        form.findChild<QPushButton*>(QString::fromLatin1(p.close))->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(form.size(), closed) << p.shot;
    }
}

}  // namespace
}  // namespace torva::ui
