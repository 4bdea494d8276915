#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "transport/DescripcionError.h"
#include "ui/FrmMessage.h"
#include "ui/QtDialogs.h"

namespace torva::ui {
namespace {

QString title(int seconds) {
    return QStringLiteral("TORVA Centro de Prevalidación Este mensaje desaparecerá en %1 Seg.")
        .arg(seconds);
}

QString text(FrmMessage* w, const char* name) {
    auto* label = w->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

std::vector<FrmMessage*> openErrorWindows() {
    std::vector<FrmMessage*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* m = qobject_cast<FrmMessage*>(w); m && m->isVisible()) {
            out.push_back(m);
        }
    }
    return out;
}

void deleteClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(FrmMessage, LabelsAtTheFirstTickThenCountsDownAndClosesOnThe21st) {
    QPointer<FrmMessage> w = new FrmMessage;
    w->CodigoError = 25741;
    w->show();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TORVA Centro de Prevalidación"));
    EXPECT_TRUE(text(w, "LblErrorCve").isEmpty());

    w->Timer1_Timer();
    EXPECT_EQ(text(w, "LblErrorCve"), QStringLiteral("25741"));
    EXPECT_EQ(text(w, "LblError"),
              QStringLiteral("No fue posible entrar al Servidor de TORVA, el usuario o contraseña "
                             "no son validos, o el servicio ha sido cerrado, verifique la "
                             "comunicación en el boton de Conexión. Si el error persiste "
                             "comuniquese a TORVA."));
    EXPECT_EQ(w->windowTitle(), title(19));
    for (int tick = 2; tick <= 20; ++tick) {
        w->Timer1_Timer();
    }
    EXPECT_EQ(w->windowTitle(), title(0));
    EXPECT_TRUE(w->isVisible());
    w->Timer1_Timer();
    deleteClosed();
    EXPECT_TRUE(w.isNull());
}

TEST(FrmMessage, TheRealTimerFillsTheLabelsAfterAboutASecond) {
    QPointer<FrmMessage> w = new FrmMessage;
    w->CodigoError = 0;
    w->show();
    QTRY_COMPARE_WITH_TIMEOUT(text(w, "LblErrorCve"), QStringLiteral("0"), 3000);
    EXPECT_EQ(text(w, "LblError"), QStringLiteral("Error sin descripción"));
    EXPECT_EQ(w->windowTitle(), title(19));
    w->close();
    deleteClosed();
}

TEST(FrmMessage, ASecondCodeWhileOpenChangesNothingShownAndAceptarCloses) {
    QtDialogs dialogs;
    dialogs.showComponentError(25770);
    auto windows = openErrorWindows();
    ASSERT_EQ(windows.size(), 1u);
    QPointer<FrmMessage> w = windows.front();
    w->Timer1_Timer();
    w->Timer1_Timer();
    EXPECT_EQ(text(w, "LblError"), QStringLiteral("Error sin descripción"));

    dialogs.showComponentError(25711);
    ASSERT_EQ(openErrorWindows().size(), 1u);
    EXPECT_EQ(w->CodigoError, 25711);
    w->Timer1_Timer();
    EXPECT_EQ(text(w, "LblErrorCve"), QStringLiteral("25770"));
    EXPECT_EQ(w->windowTitle(), title(17));

    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("CmdOk")), Qt::LeftButton);
    deleteClosed();
    EXPECT_TRUE(w.isNull());

    // The next code opens a fresh window that starts again at the first tick.
    dialogs.showComponentError(25711);
    windows = openErrorWindows();
    ASSERT_EQ(windows.size(), 1u);
    windows.front()->Timer1_Timer();
    EXPECT_EQ(text(windows.front(), "LblErrorCve"), QStringLiteral("25711"));
    EXPECT_EQ(windows.front()->windowTitle(), title(19));
    windows.front()->close();
    deleteClosed();
}

// The longest description the window can show stands whole in its label, on
// the screen size of an office workstation.
TEST(FrmMessage, TheWholeDescriptionFitsTheLabel) {
    int longest = 0;
    for (int code = 25701; code <= 25792; ++code) {
        if (DescripcionError(code).size() > DescripcionError(longest).size()) {
            longest = code;
        }
    }
    QWidget screen;
    screen.resize(1366, 768);
    screen.show();
    QPointer<FrmMessage> w = new FrmMessage(&screen);
    w->setWindowFlags(Qt::Dialog);
    w->CodigoError = longest;
    w->show();
    w->Timer1_Timer();
    QCoreApplication::processEvents();
    auto* label = w->findChild<QLabel*>(QStringLiteral("LblError"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromStdString(DescripcionError(longest)));
    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << longest;
    EXPECT_LE(w->width(), 1366);
    EXPECT_LE(w->height(), 768);
    w->close();
    deleteClosed();
}

}  // namespace
}  // namespace torva::ui
