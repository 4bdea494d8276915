#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"
#include "ui/FrmArchivos.h"
#include "ui/QtPrinters.h"

namespace torva::ui {
namespace {

using test::TempDir;
using test::writeBytes;

// The main window of a profile whose send folder holds the day's folders,
// with its status tab showing.
struct Window {
    TempDir send;
    TempDir receive;
    TempDir output;
    QtPrinters printers;
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    Form1 form{dialogs, clock, HostIdentity{"pc", "192.0.2.1"}};

    Window() {
        for (const char* folder : {"Enviados", "Pend", "Rechaza"}) {
            makeDirectory(send.file(folder));
        }
        form.state().config.set(slot::kUser, "usuario1234");
        form.state().config.set(slot::kSendDir, send.path());
        form.state().config.set(slot::kReceiveDir, receive.path());
        printers.addPdfPrinter("PDF", output.file("listado.pdf"));
        printers.addPdfPrinter("Rota", joinPath(output.file("no-existe"), "listado.pdf"));
        form.setPrinters(&printers);
        form.resize(1000, 700);
        form.show();
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
    }

    template <typename W>
    W* child(const char* name) {
        W* w = form.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    FrmArchivos* viewer() { return form.findChild<FrmArchivos*>(QStringLiteral("frmArchivos")); }
    template <typename W>
    W* viewerChild(const char* name) {
        W* w = viewer()->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::vector<std::string> viewerRows() {
        std::vector<std::string> out;
        QAbstractItemModel* model = viewerChild<QListView>("LstArchivos")->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            out.push_back(model->index(r, 0).data().toString().toStdString());
        }
        return out;
    }
    void doubleClick(const char* list, int row) {
        auto* view = child<QListView>(list);
        view->doItemsLayout();
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        ASSERT_TRUE(rect.isValid()) << list;
        // The press that begins a double click, then the double click.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

std::string title(const std::string& name, const std::string& dir) {
    return "TORVAVal   -> Archivo '" + name + "' ubicado en '" + dir + "'";
}

// A double click on a row of each day list opens its file, found by the
// row's first 12 or 15 characters in that list's folder.
TEST(ViewerUi, ADoubleClickOnEachDayListOpensItsFile) {
    Window w;
    struct Case {
        const char* list;
        ListId id;
        const char* row;
        const char* name;
        std::string dir;
    };
    const Case cases[] = {
        {"LstEnviados", ListId::Enviados, "m1234001.343 - 09:30:01", "m1234001.343",
         w.send.file("Enviados")},
        {"LstPendientes", ListId::Pendientes, "s1234000012.343 - 09:30  En Espera",
         "s1234000012.343", w.send.file("Pend")},
        {"LstRechazados", ListId::Rechazados, "e1234003.343 - RECHAZADO", "e1234003.343",
         w.send.file("Rechaza")},
        {"LstRecibidos", ListId::Recibidos, "a1234002.err - 09:31:00", "a1234002.err",
         w.receive.path()},
        {"LstRecibidos", ListId::Recibidos, "x1234012345.343 - 09:32:00", "x1234012345.343",
         w.receive.path()},
    };
    for (const Case& c : cases) {
        writeBytes(joinPath(c.dir, c.name), std::string("501|") + c.name + "\r\n800|1234\r\n");
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        w.form.state().lists.set(c.id, {"otro - 09:00", c.row});
        w.doubleClick(c.list, 1);
        ASSERT_NE(w.viewer(), nullptr);
        EXPECT_TRUE(w.viewer()->isVisible());
        EXPECT_EQ(w.viewer()->windowTitle().toStdString(), title(c.name, c.dir));
        EXPECT_EQ(w.viewerRows(),
                  (std::vector<std::string>{std::string("501|") + c.name, "800|1234"}));
        EXPECT_EQ(w.child<QLabel>("Evento")->text().toStdString(),
                  "Cargando Archivo Respuesta ...");
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
    // One viewer for them all.
    EXPECT_EQ(w.form.findChildren<FrmArchivos*>().size(), 1);

    // The pending list's row for "nothing pending" names no file.
    w.form.state().lists.set(ListId::Pendientes, {"No hay Archivos Pedientes"});
    w.doubleClick("LstPendientes", 0);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(ViewerUi, AMissingFileIsReportedAndTheViewerStaysAsItWas) {
    Window w;
    w.form.state().lists.set(ListId::Enviados, {"m1234009.343 - 09:30:01"});
    w.doubleClick("LstEnviados", 0);
    const std::string dir = w.send.file("Enviados");
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>{
                                     "No se encontro el Archivo 'm1234009.343' en el directorio '" +
                                     dir + "' ha sido borrado o movido."});
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].title, kAppTitle);
    EXPECT_EQ(w.dialogs.shown[0].icon, DialogIcon::Critical);
    EXPECT_TRUE(w.viewer() == nullptr || !w.viewer()->isVisible());
}

// Line 5 is wrapped into two rows: the rows, the record numbers of clicked
// rows and going to a record agree; a wrong number is refused; Cerrar hides
// the viewer, which keeps its rows until the next file.
TEST(ViewerUi, RecordNumbersGoToRecordAndCerrar) {
    Window w;
    std::string text;
    for (int line = 1; line <= 7; ++line) {
        text += (line == 5 ? std::string(150, '5') : "linea " + std::to_string(line)) + "\r\n";
    }
    writeBytes(w.receive.file("m1234001.err"), text);
    w.form.MuestraArchivo("m1234001.err", w.receive.path());
    ASSERT_NE(w.viewer(), nullptr);
    auto* list = w.viewerChild<QListView>("LstArchivos");
    auto* registro = w.viewerChild<QLineEdit>("TxtRegistro");
    auto* ir = w.viewerChild<QPushButton>("CmdRegistro");
    EXPECT_EQ(ir->text(), QStringLiteral("Ir al &Registro"));
    ASSERT_EQ(w.viewerRows().size(), 8u);
    EXPECT_EQ(w.viewerRows()[4], std::string(102, '5'));
    EXPECT_EQ(w.viewerRows()[5], std::string(48, '5'));
    EXPECT_TRUE(list->uniformItemSizes());
    // The list taking the focus selects nothing and says no record.
    QApplication::setActiveWindow(w.viewer());
    list->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(registro->text().isEmpty());
    EXPECT_TRUE(list->selectionModel()->selectedIndexes().isEmpty());

    list->doItemsLayout();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(5, 0)).center());
    EXPECT_EQ(registro->text(), QStringLiteral("5"));
    QTest::keyClicks(registro, QStringLiteral("9"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(5, 0)).center());
    EXPECT_EQ(registro->text(), QStringLiteral("5"));

    registro->clear();
    QTest::keyClicks(registro, QStringLiteral("6"));
    QTest::mouseClick(ir, Qt::LeftButton);
    EXPECT_EQ(list->currentIndex().row(), 6);
    EXPECT_EQ(registro->text(), QStringLiteral("6"));

    registro->clear();
    QTest::keyClicks(registro, QStringLiteral("9"));
    QTest::keyClick(registro, Qt::Key_Return);
    EXPECT_EQ(w.dialogs.texts(),
              std::vector<std::string>{"El archivo contiene menos registros del número buscado, "
                                       "proporcione un número menor a 7."});
    EXPECT_EQ(list->currentIndex().row(), 6);
    // The keys move the selection as the mouse does.
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(registro->text(), QStringLiteral("5"));

    QTest::mouseClick(w.viewerChild<QPushButton>("CmdCerrar"), Qt::LeftButton);
    EXPECT_FALSE(w.viewer()->isVisible());
    EXPECT_EQ(w.viewerRows().size(), 8u);

    writeBytes(w.receive.file("m1234002.err"), "otro\r\n");
    w.form.MuestraArchivo("m1234002.err", w.receive.path());
    EXPECT_TRUE(w.viewer()->isVisible());
    EXPECT_EQ(w.viewerRows(), std::vector<std::string>{"otro"});
    EXPECT_TRUE(registro->text().isEmpty());
}

std::vector<std::string> pdfLines(const std::string& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0);
    std::vector<std::string> out;
    for (QString line :
         QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        line.remove(QLatin1Char('\f'));
        if (!line.isEmpty()) {
            out.push_back(line.toStdString());
        }
    }
    return out;
}

// The listing printed to a PDF printer reads back as the caption, the rows
// and the system's name; a printer that fails says so.
TEST(ViewerUi, PrintsTheListingOnTheChosenPrinter) {
    Window w;
    const std::string wrapped = std::string(102, 'a') + std::string(102, 'b') + "ccc";
    writeBytes(w.receive.file("m1234001.err"),
               "501|1234|Acci\xf3n\r\n" + wrapped + "\r\n800|fin\r\n");
    w.form.MuestraArchivo("m1234001.err", w.receive.path());
    ASSERT_NE(w.viewer(), nullptr);
    auto* printers = w.viewerChild<QComboBox>("CboPrinters");
    auto* imprimir = w.viewerChild<QPushButton>("CmdImprimir");
    EXPECT_EQ(imprimir->text(), QStringLiteral("&Imprimir"));
    ASSERT_GE(printers->count(), 2);
    EXPECT_EQ(printers->itemText(printers->count() - 2), QStringLiteral("PDF"));
    EXPECT_EQ(printers->itemText(printers->count() - 1), QStringLiteral("Rota"));
    EXPECT_EQ(printers->currentIndex(), -1);

    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts(),
              std::vector<std::string>{"Favor de selecionar la impresora a utilizar."});

    w.dialogs.shown.clear();
    printers->setCurrentIndex(printers->count() - 2);
    QTest::mouseClick(imprimir, Qt::LeftButton);
    const std::string caption = title("m1234001.err", w.receive.path());
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, "Impresión " + caption + "\rEn la Impresora 'PDF'");
    EXPECT_EQ(w.dialogs.shown[0].icon, DialogIcon::None);
    EXPECT_EQ(w.dialogs.shown[0].title, kAppTitle);
    EXPECT_EQ(pdfLines(w.output.file("listado.pdf")),
              (std::vector<std::string>{caption, "501|1234|Acción", std::string(102, 'a'),
                                        std::string(102, 'b'), "ccc", "800|fin",
                                        "TORVA Centro de Prevalidación"}));
    EXPECT_TRUE(imprimir->isEnabled());

    w.dialogs.shown.clear();
    printers->setCurrentIndex(printers->count() - 1);
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts(),
              std::vector<std::string>{"No fue posible imprimir verifique el estado de su "
                                       "impresora e intente nuevamente."});
    EXPECT_EQ(w.dialogs.shown[0].icon, DialogIcon::Critical);
}

// The viewer goes with the main window: closing it leaves no window open
// that would keep the program running.
TEST(ViewerUi, ClosingTheMainWindowClosesTheViewer) {
    Window w;
    writeBytes(w.receive.file("m1234001.err"), "uno\r\n");
    w.form.MuestraArchivo("m1234001.err", w.receive.path());
    ASSERT_TRUE(w.viewer()->isVisible());
    w.form.state().config.setModified(false);
    ASSERT_TRUE(w.form.close());
    EXPECT_FALSE(w.viewer()->isVisible());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

}  // namespace
}  // namespace torva::ui
