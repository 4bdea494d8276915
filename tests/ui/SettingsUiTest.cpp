#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTest>

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"

namespace torva::ui {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

struct Window {
    TempDir dir;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form{dialogs, clock, HostIdentity{"pc", "192.0.2.1"}};

    Window() {
        form.load(0, dir.path());  // no configuration file: edit mode refused
        form.show();
        dialogs.shown.clear();
    }
    template <typename W>
    W* get(const QString& name) {
        W* w = form.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
};

TEST(SettingsUi, PanelsOpenOneAtATimeAndOcultarRestoresTheButtons) {
    Window w;
    auto* servidor = w.get<QPushButton>("CmdServidor");
    EXPECT_FALSE(w.get<QGroupBox>("FmeServidor")->isVisible());
    QTest::mouseClick(servidor, Qt::LeftButton);
    EXPECT_TRUE(w.get<QGroupBox>("FmeServidor")->isVisible());
    EXPECT_FALSE(servidor->isVisible());
    EXPECT_FALSE(w.get<QPushButton>("CmdRutas")->isVisible());
    QTest::mouseClick(w.get<QPushButton>("CmdFmeservidor"), Qt::LeftButton);
    EXPECT_FALSE(w.get<QGroupBox>("FmeServidor")->isVisible());
    EXPECT_TRUE(servidor->isVisible());

    QTest::mouseClick(w.get<QPushButton>("CmdDatosFirma"), Qt::LeftButton);
    EXPECT_TRUE(w.get<QGroupBox>("FmeFEA")->isVisible());
    // Signing cannot be switched on without key, certificate and pass phrase.
    w.form.state().config.set(slot::kKeyPassword, "");
    w.get<QCheckBox>("ChkFirmar")->click();
    EXPECT_FALSE(w.get<QCheckBox>("ChkFirmar")->isChecked());
    EXPECT_EQ(w.form.state().config.get(slot::kSign), "0");
    EXPECT_EQ(w.dialogs.shown.size(), 1u);
}

TEST(SettingsUi, DoubleClickOnThePictureTogglesTheHiddenFields) {
    Window w;
    // A profile without a configuration file starts with them shown.
    auto* host = w.get<QLineEdit>("TxtConfiguration(0)");
    EXPECT_TRUE(host->isVisible());
    QTest::mouseDClick(w.get<QWidget>("Image3(1)"), Qt::LeftButton);
    EXPECT_FALSE(host->isVisible());
    EXPECT_FALSE(w.get<QLineEdit>("TxtConfiguration(2)")->isVisible());
    EXPECT_FALSE(w.get<QLineEdit>("TxtConfiguration(17)")->isVisible());
    QTest::mouseDClick(w.get<QWidget>("Image3(0)"), Qt::LeftButton);
    EXPECT_TRUE(host->isVisible());
}

// The FTP password and the key's pass phrase show "*" for each character typed.
TEST(SettingsUi, SecretFieldsShowAsterisks) {
    Window w;
    for (const char* name : {"TxtConfiguration(2)", "TxtConfiguration(15)"}) {
        auto* field = w.get<QLineEdit>(QString::fromLatin1(name));
        EXPECT_EQ(field->echoMode(), QLineEdit::Password) << name;
        EXPECT_EQ(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field),
                  '*')
            << name;
    }
}

TEST(SettingsUi, SliderAndBoxesFollowEachOther) {
    Window w;
    auto* slider = w.get<QSlider>("SldControl");
    auto* minutes = w.get<QLineEdit>("TxtMinSldControl");
    auto* seconds = w.get<QLineEdit>("TxtSegSldControl");
    EXPECT_EQ(slider->value(), 30);
    EXPECT_EQ(seconds->text(), "30");

    slider->setValue(125);  // as the operator scrolls
    EXPECT_EQ(minutes->text(), "2");
    EXPECT_EQ(seconds->text(), "5");
    EXPECT_EQ(w.form.state().gauges.progress(), 1);

    minutes->setText("1");
    seconds->setText("30");
    emit seconds->editingFinished();
    EXPECT_EQ(slider->value(), 90);

    minutes->setText("7");
    emit minutes->editingFinished();
    EXPECT_EQ(slider->value(), 90);
    EXPECT_EQ(minutes->text(), "1");
    EXPECT_EQ(seconds->text(), "30");

    minutes->setText("0");
    seconds->setText("5");
    emit seconds->editingFinished();
    EXPECT_EQ(slider->value(), 10);
    EXPECT_EQ(seconds->text(), "10");
}

TEST(SettingsUi, ServerOptionsFollowEditModeAndCopyTheirServer) {
    Window w;
    auto& config = w.form.state().config;
    config.set(slot::kPrimaryServer, "pri");
    config.set(slot::kSecondaryServer, "sec");
    auto* secundario = w.get<QWidget>("OpnSecundario");
    EXPECT_FALSE(secundario->isEnabled());
    w.dialogs.answer(DialogAnswer::Yes);
    w.form.findChild<QAction*>("Menu_Configure")->trigger();
    EXPECT_TRUE(secundario->isEnabled());
    QTest::mouseClick(w.get<QPushButton>("CmdServidor"), Qt::LeftButton);
    QTest::mouseClick(secundario, Qt::LeftButton);
    EXPECT_EQ(w.get<QLineEdit>("TxtConfiguration(0)")->text(), "sec");
    EXPECT_TRUE(w.get<QLineEdit>("TxtConfiguration(5)")->isReadOnly());
    EXPECT_FALSE(w.get<QLineEdit>("TxtConfiguration(8)")->isReadOnly());
}

}  // namespace
}  // namespace torva::ui
