// What the operator sees of the profiles and the configuration tab.
#include <gtest/gtest.h>

#include <filesystem>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"
#include "ui/FrmEntrada.h"

namespace torva::ui {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

template <typename W>
W* child(QWidget* parent, const QString& name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

QLineEdit* field(QWidget* form, int i) {
    return child<QLineEdit>(form, QStringLiteral("TxtConfiguration(%1)").arg(i));
}

struct Window {
    TempDir dir;
    ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form{dialogs, clock, HostIdentity{"pc", "192.0.2.1"}};

    explicit Window(bool editing) {
        dialogs.answer(editing ? DialogAnswer::Yes : DialogAnswer::No);
        form.load(0, dir.path());  // no configuration file yet
        form.show();
    }
};

TEST(ProfilesUi, AnUnreadableProfileListLeavesEveryCommandDisabled) {
    TempDir dir;
    ScriptedDialogs dialogs;
    std::filesystem::create_directory(dir.file("usuarios.dat"));
    FrmEntrada entrada(dir.path(), dialogs);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    for (const char* name : {"CmdEntrar", "CmdCrearPatente", "CmdEliminarPatente", "CmdAceptar"}) {
        EXPECT_FALSE(child<QPushButton>(&entrada, QString::fromLatin1(name))->isEnabled()) << name;
    }
    EXPECT_FALSE(child<QLineEdit>(&entrada, QStringLiteral("TxtPatente"))->isEnabled());
}

TEST(ProfilesUi, PastedLineBreaksNeverReachAKeyOrASlot) {
    TempDir dir;
    ScriptedDialogs dialogs;
    FrmEntrada entrada(dir.path(), dialogs);
    auto* key = child<QLineEdit>(&entrada, QStringLiteral("TxtPatente"));
    key->insert(QStringLiteral("12\r\n34\t"));  // as a paste inserts
    EXPECT_EQ(key->text(), QStringLiteral("1234"));
    EXPECT_EQ(entrada.model().newKey(), "1234");

    Window w(true);
    QLineEdit* send = field(&w.form, slot::kSendDir);
    send->selectAll();
    send->insert(QStringLiteral("C:\\env\r\n"));
    EXPECT_EQ(w.form.state().config.get(slot::kSendDir), "C:\\env");
}

TEST(ProfilesUi, FieldsCarryTheirToolTipsAndReadOnlyOnesLookIt) {
    Window w(true);
    struct Case {
        int slot;
        const char* tip;
    };
    const Case cases[] = {
        {slot::kUser, "Usuario autorizado para validar"},
        {slot::kSendDir, "Directorio de Envio"},
        {slot::kReceiveDir, "Directorio de Recepción"},
        {slot::kLowerFolio, "Folio inferior permitido para enviar a validar"},
        {slot::kUpperFolio, "Folio Superior permitido para enviar a validar"},
        {slot::kPort, "Puerto por el cual se da la salida a Internet al servicio de FTP"},
        {slot::kSendRoutes, "Rutas de Envio Local"},
        {slot::kReceiveRoutes, "Rutas de Recibo Local"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(field(&w.form, c.slot)->toolTip(), QString::fromUtf8(c.tip)) << c.slot;
    }
    // In edit mode the folio slots stay read-only: they must not look like the user field.
    QLineEdit* user = field(&w.form, slot::kUser);
    QLineEdit* folio = field(&w.form, slot::kLowerFolio);
    ASSERT_FALSE(user->isReadOnly());
    ASSERT_TRUE(folio->isReadOnly());
    EXPECT_NE(user->palette().color(QPalette::Base), folio->palette().color(QPalette::Base));
    w.form.findChild<QAction*>(QStringLiteral("Menu_Configure"))->trigger();  // leave edit mode
    EXPECT_EQ(user->palette().color(QPalette::Base), folio->palette().color(QPalette::Base));
}

TEST(ProfilesUi, TheMissingFilePathShowsHostAndPasswordButNotTheRecordLength) {
    Window w(false);
    EXPECT_TRUE(field(&w.form, slot::kHost)->isVisible());
    EXPECT_TRUE(field(&w.form, slot::kPassword)->isVisible());
    EXPECT_FALSE(field(&w.form, slot::kRecord500Length)->isVisible());
    EXPECT_FALSE(child<QLabel>(&w.form, QStringLiteral("LblRegistro500"))->isVisible());
}

TEST(ProfilesUi, TheWebSiteLabelsAmpersandIsTheAccessKeyOfTheHostField) {
    Window w(false);
    QLabel* website = nullptr;
    for (auto* label : w.form.findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("&WebSite:")) {
            website = label;
        }
    }
    ASSERT_NE(website, nullptr);
    EXPECT_EQ(website->buddy(), w.form.findChild<QLineEdit*>(QStringLiteral("HostName")));
}

}  // namespace
}  // namespace torva::ui
