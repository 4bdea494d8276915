#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"
#include "ui/FrmAbout.h"
#include "ui/FrmEntrada.h"

namespace torva::ui {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

template <typename W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QAction* action(QWidget* window, const char* name) {
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

struct Session {
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    std::unique_ptr<Form1> form;

    Form1& open(const std::string& dir, std::uint8_t index) {
        form = std::make_unique<Form1>(dialogs, clock, HostIdentity{"pc", "192.0.2.1"});
        form->load(index, dir);
        return *form;
    }
};

TEST(Windows, CreateAProfileEnterEditSaveAndFindItAgain) {
    TempDir dir;
    ScriptedDialogs dialogs;
    std::optional<std::size_t> chosen;
    {
        FrmEntrada entrada(dir.path(), dialogs);
        EXPECT_FALSE(child<QPushButton>(&entrada, "CmdEntrar")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(&entrada, "CmdAceptar")->isEnabled());
        QTest::keyClicks(child<QLineEdit>(&entrada, "TxtPatente"), "1234");
        QTest::mouseClick(child<QPushButton>(&entrada, "CmdAceptar"), Qt::LeftButton);
        EXPECT_EQ(child<QComboBox>(&entrada, "CboPatentes")->currentText(), "1234");
        ASSERT_TRUE(child<QPushButton>(&entrada, "CmdEntrar")->isEnabled());
        QTest::mouseClick(child<QPushButton>(&entrada, "CmdEntrar"), Qt::LeftButton);
        EXPECT_EQ(entrada.result(), QDialog::Accepted);
        chosen = entrada.chosenIndex();
    }
    ASSERT_EQ(chosen, 0u);

    // First start of the new profile: no configuration file yet.
    Session first;
    first.dialogs.answer(DialogAnswer::Yes);  // enter edit mode
    Form1& form = first.open(dir.path(), 0);
    EXPECT_EQ(first.dialogs.beeps, 2);
    EXPECT_EQ(action(&form, "Menu_Configure")->text(), "&Cerrar Edición");
    EXPECT_TRUE(child<QLineEdit>(&form, "TxtConfiguration(0)")->isVisibleTo(&form));
    auto* user = child<QLineEdit>(&form, "TxtConfiguration(1)");
    EXPECT_FALSE(user->isReadOnly());
    EXPECT_TRUE(child<QLineEdit>(&form, "TxtConfiguration(5)")->isReadOnly());
    user->selectAll();
    QTest::keyClicks(user, "ftpuser1234");
    QTest::mouseClick(child<QCheckBox>(&form, "ChkPasivo"), Qt::LeftButton);
    EXPECT_EQ(form.state().config.get(slot::kPassive), "0");
    action(&form, "Menu_GuardaConf")->trigger();
    EXPECT_FALSE(form.state().config.modified());
    form.close();
    // Nothing asked at exit; the third box is the purge's folder check, the
    // new profile's folders not being set yet.
    EXPECT_EQ(first.dialogs.shown.size(), 3u);

    Session second;
    Form1& again = second.open(dir.path(), 0);
    ASSERT_EQ(second.dialogs.shown.size(), 1u);
    EXPECT_EQ(second.dialogs.shown[0].text.rfind("ERROR: es imposible continuar", 0), 0u);
    EXPECT_EQ(again.windowTitle(), "TORVA Centro de Prevalidación         Patente  >>> 1234");
    EXPECT_EQ(child<QLabel>(&again, "LblPatente")->text(), "1234");
    EXPECT_EQ(child<QLineEdit>(&again, "TxtConfiguration(1)")->text(), "ftpuser1234");
    EXPECT_FALSE(child<QCheckBox>(&again, "ChkPasivo")->isChecked());
    EXPECT_TRUE(child<QLineEdit>(&again, "TxtConfiguration(1)")->isReadOnly());
}

TEST(Windows, MainWindowHasItsTabsListsMenusAndAboutBox) {
    TempDir dir;
    Session s;
    Form1& form = s.open(dir.path(), 0);
    auto* tabs = child<QTabWidget>(&form, "SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "&Configuración");
    EXPECT_EQ(tabs->tabText(1), "S&tatus");
    EXPECT_EQ(tabs->tabText(2), "Con&exión");
    for (const char* name : {"LstEnviados", "LstRecibidos", "LstPendientes", "LstRechazados"}) {
        auto* list = child<QListView>(&form, name);
        EXPECT_TRUE(list->font().fixedPitch()) << name;
    }
    EXPECT_EQ(child<QPushButton>(&form, "Start_Button")->text(), "&Iniciar");
    EXPECT_EQ(action(&form, "Menu_Start")->text(), "&Iniciar");
    EXPECT_EQ(child<QLabel>(&form, "CentroPreval")->text(), "Centro de Prevalidación");
    for (const char* name :
         {"Menu_Exit", "Menu_Configure", "Menu_Folios", "Menu_GuardaConf", "Menu_HaceRespaldo",
          "Menu_RecuperaConf", "SolicitaArchivo", "EliminarBuscqueda", "Menu_About"}) {
        EXPECT_NE(action(&form, name), nullptr) << name;
    }
    QStringList headings;
    for (QAction* a : form.menuBar()->actions()) {
        headings << a->text();
    }
    EXPECT_EQ(headings, (QStringList{"&Programa", "Siste&ma", "&Utilerias", "&Ayuda"}));

    action(&form, "Menu_About")->trigger();
    auto* about = form.findChild<FrmAbout*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "Acerca de MARLOVAL - Sistema de Comunicación Segura");
    EXPECT_EQ(child<QLabel>(about, "lblVersion")->text(), "Version 6.2.7");
    EXPECT_EQ(child<QLabel>(about, "lblDescription")->text(),
              "Sistema de Comunicación Segura  -  TCP/IP");
}

TEST(Windows, EditModeAnsweredNoStaysReadOnly) {
    TempDir dir;
    Session s;
    Form1& form = s.open(dir.path(), 0);  // missing file: answers No to edit mode
    s.dialogs.shown.clear();
    action(&form, "Menu_Configure")->trigger();
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(action(&form, "Menu_Configure")->text(), "&Configuración");
    for (int i = 0; i < slot::kCount; ++i) {
        EXPECT_TRUE(
            form.findChild<QLineEdit*>(QStringLiteral("TxtConfiguration(%1)").arg(i))->isReadOnly())
            << i;
    }
}

}  // namespace
}  // namespace torva::ui
