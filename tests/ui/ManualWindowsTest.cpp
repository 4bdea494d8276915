#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "cycle/FallasPasada.h"
#include "manual/PedirArchivo.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/FtpServer.h"
#include "support/Profile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"

// The request and cancel windows opened from the main window's menu, alone
// and while a pass runs against a server that answers each command 50 ms late.
namespace torva::ui {
namespace {

using test::TempDir;
using test::writeBytes;

constexpr const char* kAviso = ". Espere el siguiente ciclo para ver los resultados.";

struct Office {
    TempDir remote;
    TempDir local;
    std::string send = local.file("envio");
    std::string receive = local.file("recibo");
    std::string pend = joinPath(send, "Pend");
    std::unique_ptr<test::FtpServer> server;
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};  // day 343
    CurlFtpClient client;
    std::unique_ptr<Form1> form;

    // With a server, the send folder holds files to upload, so a pass lasts.
    explicit Office(bool withServer = false) {
        for (const char* d : {"REC", "ENV", "ENV/general"}) {
            makeDirectory(remote.path() + "/" + d);
        }
        std::string port = "21";
        if (withServer) {
            test::FtpServer::Options options;
            options.root = remote.path();
            options.extraArgs = {"--command-delay", "50"};
            server = std::make_unique<test::FtpServer>(options);
            port = server->portText();
        }
        makeDirectory(send);
        makeDirectory(receive);
        makeDirectory(pend);
        EXPECT_TRUE(test::saveProfile(local.path(), 0,
                                      {{slot::kHost, "127.0.0.1"},
                                       {slot::kPrimaryServer, "127.0.0.1"},
                                       {slot::kPort, port},
                                       {slot::kUser, "usuario1234"},
                                       {slot::kPassword, "secreto"},
                                       {slot::kSendDir, send},
                                       {slot::kReceiveDir, receive},
                                       {slot::kSendLetters, "m,b,c,s,t,e,f,e"},
                                       {slot::kReceiveLetters, "m,r,c,x,t,r,a,a"},
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
    ~Office() { form->state().config.setModified(false); }

    QDialog* open(const char* action, const char* window) {
        form->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        return form->findChild<QDialog*>(QString::fromLatin1(window));
    }
    QDialog* pedir() { return open("SolicitaArchivo", "FrmPedirArchivo"); }
    QDialog* eliminar() { return open("EliminarBuscqueda", "FrmEliminarBusqueda"); }
    QPushButton* start() { return form->findChild<QPushButton*>(QStringLiteral("Start_Button")); }
    // Validation files on the server.
    std::size_t uploaded() const {
        std::error_code ec;
        std::size_t n = 0;
        for (const DirEntry& e : listDirectory(remote.path() + "/REC", ec)) {
            n += e.name.rfind("m1234", 0) == 0 ? 1u : 0u;
        }
        return n;
    }
    void publish(const std::string& response) {
        writeBytes(remote.path() + "/ENV/" + response, "ok");
    }
    std::string marker(const std::string& name) const { return joinPath(pend, name); }
    std::string response(const std::string& name) const { return joinPath(receive, name); }
    std::vector<std::string> texts() const { return dialogs.texts(); }
};

template <typename W>
W* child(QWidget* window, const char* name) {
    auto* w = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList rows(QDialog* window) {
    QStringList out;
    auto* list = child<QListWidget>(window, "LstFiles");
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

void pick(QDialog* window, const QString& row) {
    auto* list = child<QListWidget>(window, "LstFiles");
    const auto found = list->findItems(row, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << row.toStdString();
    list->setCurrentItem(found.front());
}

void ask(QDialog* window, const QString& item, const QString& folio) {
    auto* letra = child<QComboBox>(window, "CboLetra");
    auto* txtFolio = child<QLineEdit>(window, "TxtFolio");
    // As the operator: choose in the letter list, then move to the folio.
    letra->setFocus(Qt::TabFocusReason);
    letra->setCurrentIndex(letra->findText(item));
    txtFolio->setFocus(Qt::TabFocusReason);
    txtFolio->setText(folio);
    QTest::mouseClick(child<QPushButton>(window, "CmdAceptar"), Qt::LeftButton);
}

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

// Drops one more file and asks for a pass at the next tick; returns once a
// pass has sent it, and so has also run its response search.
void nextPass(Office& office) {
    const std::size_t before = office.uploaded();
    writeBytes(joinPath(office.send, "m1234004.343"), "500|\r\n");
    CycleState& cycle = office.form->state().cycle;
    cycle.txtActualizar = "1";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return office.uploaded() > before && !cycle.passInProgress(); }, 15000));
    cycle.txtActualizar = "0";
    QApplication::processEvents();
}

TEST(ManualWindows, PedirArchivoChecksNamesAndClosesOnlyOnSuccess) {
    Office office;
    QDialog* window = office.pedir();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("TORVA Centro de Prevalidación  - Pedir Archivo"));
    EXPECT_FALSE(window->isModal());
    auto* letra = child<QComboBox>(window, "CboLetra");
    auto* folio = child<QLineEdit>(window, "TxtFolio");
    QStringList items;
    for (int i = 0; i < letra->count(); ++i) {
        items << letra->itemText(i);
    }
    EXPECT_EQ(items.join(QLatin1Char(',')), QStringLiteral("m,b,c,s,t,ea,eb,f,ea,eb"));
    EXPECT_EQ(letra->currentIndex(), 0);
    EXPECT_EQ(folio->maxLength(), 3);

    // The menu again brings the same window forward.
    EXPECT_EQ(office.pedir(), window);
    EXPECT_EQ(office.form->findChildren<QDialog*>(QStringLiteral("FrmPedirArchivo")).size(), 1);

    // Leaving the letter list empties the folio and sets its length for the item.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const auto& [item, length] : {std::pair{"s", 6}, std::pair{"ea", 3}}) {
        letra->setFocus(Qt::TabFocusReason);
        letra->setCurrentIndex(letra->findText(QString::fromLatin1(item)));
        folio->setText(QStringLiteral("12"));
        folio->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(folio->text().isEmpty()) << item;
        EXPECT_EQ(folio->maxLength(), length) << item;
    }

    ask(window, QStringLiteral("s"), QStringLiteral("12345"));
    ASSERT_EQ(office.texts(), (std::vector<std::string>{kErrorSagarpa}));
    EXPECT_EQ(office.dialogs.shown.back().icon, DialogIcon::Critical);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(letra->currentText(), QStringLiteral("s"));
    EXPECT_EQ(folio->text(), QStringLiteral("12345"));

    // The day is the one the main window shows.
    office.form->state().captions.set(Caption::DiaJuliano, "45");
    QPointer<QDialog> guard(window);
    ask(window, QStringLiteral("ea"), QStringLiteral("007"));
    EXPECT_TRUE(isRegularFile(office.marker("ea1234007045")));
    EXPECT_EQ(office.texts().back(),
              std::string("Se buscará respuesta del archivo ea1234007045") + kAviso);
    QApplication::processEvents();
    EXPECT_TRUE(guard.isNull()) << "closed after success";
}

TEST(ManualWindows, EliminarBusquedaListsThePatenteDeletesAndRefills) {
    Office office;
    for (const char* name : {"m1234001.343", "m5678001.343", "ea1234002343", "ea5678002343"}) {
        writeBytes(office.marker(name), "");
    }
    QDialog* window = office.eliminar();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("TORVA Centro de Prevalidación    - Eliminar Busqueda"));
    EXPECT_EQ(office.eliminar(), window);
    EXPECT_EQ(rows(window),
              (QStringList{QStringLiteral("ea1234002343"), QStringLiteral("m1234001.343")}));
    auto* cmdEliminar = child<QPushButton>(window, "CmdEliminar");
    EXPECT_TRUE(cmdEliminar->isEnabled());

    QTest::mouseClick(cmdEliminar, Qt::LeftButton);  // nothing chosen: nothing happens
    EXPECT_TRUE(office.texts().empty());

    pick(window, QStringLiteral("ea1234002343"));
    QTest::mouseClick(cmdEliminar, Qt::LeftButton);
    EXPECT_FALSE(pathExists(office.marker("ea1234002343")));
    EXPECT_TRUE(pathExists(office.marker("ea5678002343")));
    EXPECT_EQ(office.texts().back(), "La busqueda del archivo ea1234002343 ha sido cancelada");
    EXPECT_EQ(rows(window), QStringList{QStringLiteral("m1234001.343")});

    // Taken away behind the window's back: said so, and the list is refilled.
    pick(window, QStringLiteral("m1234001.343"));
    ASSERT_FALSE(removeFile(office.marker("m1234001.343")));
    writeBytes(office.marker("m1234009.343"), "");
    QTest::mouseClick(cmdEliminar, Qt::LeftButton);
    EXPECT_EQ(office.dialogs.shown.back().icon, DialogIcon::Critical);
    EXPECT_NE(office.texts().back().find("m1234001.343 ya no está"), std::string::npos);
    EXPECT_EQ(rows(window), QStringList{QStringLiteral("m1234009.343")});

    pick(window, QStringLiteral("m1234009.343"));
    QTest::mouseClick(cmdEliminar, Qt::LeftButton);
    EXPECT_TRUE(rows(window).isEmpty());
    EXPECT_TRUE(cmdEliminar->isEnabled());
}

// A request held for a pass that the disk then refuses: the error when the
// pass ends, and the window takes the input again; once written it closes.
TEST(ManualWindows, AHeldRequestThatCannotBeWrittenKeepsItsWindowAndInput) {
    Office office;
    QPointer<QDialog> window = office.pedir();
    CycleState& cycle = office.form->state().cycle;
    cycle.setPassInProgress(true);
    ask(window, QStringLiteral("b"), QStringLiteral("010"));
    EXPECT_TRUE(child<QLabel>(window, "LblEspera")->isVisible());
    EXPECT_FALSE(child<QLineEdit>(window, "TxtFolio")->isEnabled());
    ASSERT_TRUE(std::filesystem::remove(toFsPath(office.pend)));
    writeBytes(office.pend, "");  // a file where the folder goes
    cycle.setPassInProgress(false);
    QApplication::processEvents();

    ASSERT_EQ(office.texts().size(), 1u);
    EXPECT_EQ(office.dialogs.shown[0].icon, DialogIcon::Critical);
    EXPECT_NE(office.texts()[0].find("No se pudo crear la carpeta"), std::string::npos);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(child<QLabel>(window, "LblEspera")->isVisible());
    EXPECT_TRUE(child<QPushButton>(window, "CmdAceptar")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(window, "TxtFolio")->text(), QStringLiteral("010"));

    ASSERT_FALSE(removeFile(office.pend));
    QTest::mouseClick(child<QPushButton>(window, "CmdAceptar"), Qt::LeftButton);
    EXPECT_TRUE(isRegularFile(office.marker("b1234010.343")));
    QApplication::processEvents();
    EXPECT_TRUE(window.isNull());
}

// A request made while a pass runs is written when it ends, also when its
// window was closed meanwhile, so that pass does not look for it and the next
// one does.
TEST(ManualWindows, ARequestDuringAPassIsSearchedFromTheNextPass) {
    Office office(true);
    for (int i = 1; i <= 3; ++i) {
        writeBytes(joinPath(office.send, "m123400" + std::to_string(i) + ".343"), "500|\r\n");
    }
    writeBytes(office.marker("m1234009.343"), "");  // the search runs and lists ENV/
    office.publish("m1234007.err");

    bool heldDuringPass = false;
    QPointer<QDialog> window;
    whenUploaded(office, 1, [&] {
        window = office.pedir();
        ask(window, QStringLiteral("m"), QStringLiteral("007"));
        heldDuringPass = !pathExists(office.marker("m1234007.343")) &&
                         child<QLabel>(window, "LblEspera")->isVisible() &&
                         !child<QPushButton>(window, "CmdAceptar")->isEnabled();
        // Closing the window does not drop the request.
        QTest::mouseClick(child<QPushButton>(window, "CmdCancelar"), Qt::LeftButton);
    });
    office.start()->click();
    EXPECT_TRUE(heldDuringPass);
    EXPECT_TRUE(pathExists(office.marker("m1234007.343")));
    EXPECT_FALSE(pathExists(office.response("m1234007.err"))) << "searched in its own pass";
    QApplication::processEvents();
    EXPECT_EQ(office.texts(),
              std::vector<std::string>{"Se buscará respuesta del archivo m1234007.343" +
                                       std::string(kAviso)});
    EXPECT_TRUE(window.isNull());

    nextPass(office);
    EXPECT_TRUE(pathExists(office.response("m1234007.err")));
    EXPECT_FALSE(pathExists(office.marker("m1234007.343")));
    EXPECT_FALSE(muestraReporteFallas(office.form->state().captions));
}

// Cancellations made while a pass runs wait for its end: the pass still
// fetches a response that was there, and the next pass no longer looks for
// the marker that was deleted.
TEST(ManualWindows, ACancellationDuringAPassTakesEffectWhenItEnds) {
    Office office(true);
    for (int i = 1; i <= 3; ++i) {
        writeBytes(joinPath(office.send, "m123400" + std::to_string(i) + ".343"), "500|\r\n");
    }
    for (const char* name : {"m1234005.343", "m1234008.343", "m1234009.343"}) {
        writeBytes(office.marker(name), "");
    }
    office.publish("m1234005.err");
    QPointer<QDialog> window = office.eliminar();
    ASSERT_EQ(rows(window).size(), 3);

    bool heldDuringPass = false;
    whenUploaded(office, 1, [&] {
        for (const char* name : {"m1234005.343", "m1234008.343"}) {
            pick(window, QString::fromLatin1(name));
            QTest::mouseClick(child<QPushButton>(window, "CmdEliminar"), Qt::LeftButton);
        }
        heldDuringPass = pathExists(office.marker("m1234005.343")) &&
                         pathExists(office.marker("m1234008.343")) &&
                         rows(window) == QStringList{QStringLiteral("m1234009.343")} &&
                         child<QLabel>(window, "LblEspera")->isVisible();
    });
    office.start()->click();
    EXPECT_TRUE(heldDuringPass);
    EXPECT_TRUE(pathExists(office.response("m1234005.err"))) << "the response is not lost";
    EXPECT_FALSE(muestraReporteFallas(office.form->state().captions));
    EXPECT_FALSE(pathExists(office.marker("m1234008.343")));
    QApplication::processEvents();
    const auto texts = office.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find("m1234005.343 ya no está"), std::string::npos);
    EXPECT_EQ(texts[1], "La busqueda del archivo m1234008.343 ha sido cancelada");
    // Refilled: the markers of the files this pass sent, and the one left.
    EXPECT_EQ(rows(window),
              (QStringList{QStringLiteral("m1234001.343"), QStringLiteral("m1234002.343"),
                           QStringLiteral("m1234003.343"), QStringLiteral("m1234009.343")}));
    EXPECT_FALSE(child<QLabel>(window, "LblEspera")->isVisible());

    office.publish("m1234008.err");
    office.publish("m1234009.err");
    nextPass(office);
    EXPECT_TRUE(pathExists(office.response("m1234009.err")));
    EXPECT_FALSE(pathExists(office.response("m1234008.err"))) << "a cancelled search";
}

}  // namespace
}  // namespace torva::ui
