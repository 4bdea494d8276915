#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "cycle/AvanzaAvisos.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

// The ticker shows the notices red on "**" and dark blue otherwise; its
// double click shows them all in one box.
TEST(NoticesUi, TickerColoursAndTheDoubleClickShowingEveryNotice) {
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form{dialogs, clock, HostIdentity{"pc", "192.0.2.1"}};
    auto* despliega = form.findChild<QLabel*>(QStringLiteral("LblDespliega"));
    ASSERT_NE(despliega, nullptr);
    MainState& state = form.state();
    MainPorts ports{dialogs, clock, {"pc", "192.0.2.1"}};
    CycleContext ctx = cycleContext(state, ports);
    state.lists.set(ListId::Mensajes, {"**Servidor en mantenimiento", "Bienvenido"});

    AvanzaAvisos(ctx);
    EXPECT_EQ(despliega->text(), QStringLiteral("**Servidor en mantenimiento"));
    EXPECT_EQ(despliega->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    AvanzaAvisos(ctx);
    EXPECT_EQ(despliega->text(), QStringLiteral("Bienvenido"));
    EXPECT_EQ(despliega->palette().color(QPalette::WindowText), QColor(0, 0, 0xC0));

    QTest::mouseDClick(despliega, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].title, kAppTitle);
    EXPECT_EQ(dialogs.shown[0].text, "**Servidor en mantenimiento\rBienvenido\r");
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::Ok);
}

}  // namespace
}  // namespace torva::ui
