#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logview/ArchivoDeLista.h"
#include "logview/CmdImprimir.h"
#include "logview/MuestraArchivo.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

constexpr const char* kMenosRegistros =
    "El archivo contiene menos registros del número buscado, proporcione un número menor a ";

struct Viewer {
    FileViewer viewer;
    ScriptedDialogs dialogs;
    Captions captions;

    // Loads the text as the file name in a folder of its own.
    void load(const std::string& bytes) {
        const ViewerDocument doc = splitViewerRows(bytes);
        viewer.cargaRenglones(ViewerRows(doc.rows));
        viewer.RecibeArreglos(doc.wraps);
    }
    std::string goTo(const std::string& text) {
        viewer.setRegistro(text);
        const std::size_t before = dialogs.shown.size();
        viewer.CmdRegistro_Click(dialogs);
        return dialogs.shown.size() > before ? dialogs.shown.back().text : std::string();
    }
    std::string recordOf(std::size_t row) {
        viewer.LstArchivos_Click(row);
        return viewer.registro();
    }
};

std::string lines(const std::vector<std::size_t>& lengths) {
    std::string s;
    for (std::size_t n : lengths) {
        s += std::string(n, 'r') + "\r\n";
    }
    return s;
}

// Line 5 wraps into two rows: the sixth row is still record 5, and record 6
// is the seventh row.
TEST(FileViewer, RecordNumbersAfterAWrappedLine) {
    Viewer v;
    v.load(lines({10, 20, 30, 40, 150, 60, 70}));
    ASSERT_EQ(v.viewer.rows().size(), 8u);
    const char* expected[] = {"1", "2", "3", "4", "5", "5", "6", "7"};
    for (std::size_t row = 0; row < 8; ++row) {
        EXPECT_EQ(v.recordOf(row), expected[row]) << row;
    }
    EXPECT_EQ(v.goTo("6"), "");
    EXPECT_EQ(v.viewer.selected(), 6u);
    EXPECT_EQ(v.viewer.registro(), "6");
    EXPECT_EQ(v.goTo("5"), "");
    EXPECT_EQ(v.viewer.selected(), 4u);
    EXPECT_EQ(v.goTo(" 7 "), "");
    EXPECT_EQ(v.viewer.selected(), 7u);
}

// Selection and go to record agree on every row of a file that mixes short,
// wrapped, LF-split and too long lines, far past a hundred wrapped lines and
// past record 32000.
TEST(FileViewer, SelectionAndGoToAgreeOnEveryRow) {
    std::string text;
    for (int i = 0; i < 33000; ++i) {
        switch (i % 7) {
            case 0:
                text += std::string(150, 'a') + "\r\n";
                break;
            case 1:
                text += std::string(102, 'b') + "\r\n";
                break;
            case 2:
                text += "c\nd\r\n";
                break;
            case 3:
                text += std::string(i < 100 ? 32000 : 3, 'e') + "\r\n";
                break;
            case 4:
                text += std::string(204, 'f') + "\n" + std::string(5, 'g') + "\r\n";
                break;
            case 5:
                text += "\r\n";
                break;
            default:
                text += std::string(310, 'h') + "\r\n";
                break;
        }
    }
    Viewer v;
    v.load(text);
    const std::size_t rows = v.viewer.rows().size();
    ASSERT_GT(v.viewer.table().size(), 1000u);
    std::uint64_t record = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::uint64_t r = recordOfRow(v.viewer.table(), row);
        ASSERT_TRUE(r == record || r == record + 1) << row;
        if (r == record + 1) {
            // The first row of each record is where going to it leads.
            const RecordPlace place = rowOfRecord(v.viewer.table(), rows, r);
            ASSERT_TRUE(place.found) << r;
            ASSERT_EQ(place.row, row) << r;
            record = r;
        }
    }
    EXPECT_GT(record, 32000u);
    EXPECT_EQ(v.goTo(std::to_string(record)), "");
    EXPECT_EQ(v.viewer.registro(), std::to_string(record));
    EXPECT_EQ(v.goTo(std::to_string(record + 1)), kMenosRegistros + std::to_string(record) + ".");
}

TEST(FileViewer, GoToRecordRefusesWhatNamesNoRecord) {
    Viewer v;
    v.load(lines({10, 150, 10}));  // 3 records, 4 rows
    struct Case {
        const char* typed;
        std::string message;
    };
    const std::string invalido =
        "Se capturo un valor invalido, debe capturar solo números enteros positivos.";
    const Case cases[] = {
        {"", "Favor de capturar el número del reglon en que desea posicionarse."},
        {"0", invalido},
        {"-2", invalido},
        {"abc", invalido},
        {"2x", invalido},
        {"2.5", invalido},
        {"4", kMenosRegistros + std::string("3.")},
        {"99999999999999999999", kMenosRegistros + std::string("3.")},
    };
    v.goTo("2");
    ASSERT_EQ(v.viewer.selected(), 1u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        v.dialogs.shown.clear();
        EXPECT_EQ(v.goTo(c.typed), c.message);
        ASSERT_EQ(v.dialogs.shown.size(), 1u);
        EXPECT_EQ(v.dialogs.shown[0].title, kAppTitle);
        EXPECT_EQ(v.dialogs.shown[0].icon, DialogIcon::Critical);
        // Nothing else changes.
        EXPECT_EQ(v.viewer.selected(), 1u);
    }
}

struct Folder {
    TempDir dir;
    FileViewer viewer;
    ScriptedDialogs dialogs;
    Captions captions;
    ViewerContext ctx{captions, dialogs, viewer};
};

TEST(MuestraArchivo, LoadsTheFileAndShowsTheViewer) {
    Folder f;
    test::writeBytes(f.dir.file("m1234001.343"), "501|1234|\r\n" + std::string(250, 'x') + "\r\n");
    MuestraArchivo(f.ctx, "m1234001.343", f.dir.path());
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(f.captions.get(Caption::Evento), "Cargando Archivo Respuesta ...");
    EXPECT_TRUE(f.viewer.visible());
    EXPECT_EQ(f.viewer.title(),
              "TORVAVal   -> Archivo 'm1234001.343' ubicado en '" + f.dir.path() + "'");
    EXPECT_EQ(f.viewer.rows().size(), 4u);
    EXPECT_EQ(f.viewer.table().entries(), (std::vector<std::uint32_t>{2, 2}));
    EXPECT_EQ(f.dialogs.busyDepth, 0);

    // Found without regard to case, as Windows finds it.
    MuestraArchivo(f.ctx, "M1234001.343", f.dir.path());
    EXPECT_TRUE(f.dialogs.shown.empty());
}

// A big file is read through the context's runner (off the window's
// thread); a small one in place.
TEST(MuestraArchivo, ABigFileIsReadThroughTheRunner) {
    Folder f;
    int runs = 0;
    f.ctx.runBlocking = [&runs](const std::function<void()>& call) {
        ++runs;
        call();
    };
    test::writeBytes(f.dir.file("chico"), "uno\r\n");
    MuestraArchivo(f.ctx, "chico", f.dir.path());
    EXPECT_EQ(runs, 0);
    const std::string line = std::string(498, 'x') + "\r\n";
    std::string big;
    while (big.size() <= ViewerContext::kReadInPlace) {
        big += line;
    }
    test::writeBytes(f.dir.file("grande"), big);
    MuestraArchivo(f.ctx, "grande", f.dir.path());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(f.viewer.rows().size(), big.size() / line.size() * 5);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

// A missing file is reported and the viewer keeps what it showed.
TEST(MuestraArchivo, AMissingFileIsReportedAndChangesNothing) {
    Folder f;
    test::writeBytes(f.dir.file("shown.txt"), "uno\r\ndos\r\n");
    MuestraArchivo(f.ctx, "shown.txt", f.dir.path());
    f.viewer.LstArchivos_Click(1);
    f.viewer.CmdCerrar_Click();
    const std::string title = f.viewer.title();

    makeDirectory(f.dir.file("carpeta"));
    for (const char* name : {"m1234009.343", "carpeta"}) {
        f.dialogs.shown.clear();
        MuestraArchivo(f.ctx, name, f.dir.path());
        ASSERT_EQ(f.dialogs.texts(),
                  std::vector<std::string>{std::string("No se encontro el Archivo '") + name +
                                           "' en el directorio '" + f.dir.path() +
                                           "' ha sido borrado o movido."});
        EXPECT_EQ(f.dialogs.shown[0].icon, DialogIcon::Critical);
        EXPECT_EQ(f.captions.get(Caption::Evento), "Cargando Archivo Respuesta ...");
        EXPECT_FALSE(f.viewer.visible());
        EXPECT_EQ(f.viewer.title(), title);
        EXPECT_EQ(f.viewer.rows().size(), 2u);
        EXPECT_EQ(f.viewer.registro(), "2");
    }
}

TEST(ArchivoDeLista, TheNameIsTheRowsFirstCharactersInTheListsFolder) {
    ConfigRecord config;
    config.set(slot::kSendDir, "/env");
    config.set(slot::kReceiveDir, "/rec");
    struct Case {
        ListId list;
        const char* row;
        const char* name;
        std::string dir;
        std::int16_t offset;
    };
    const Case cases[] = {
        {ListId::Enviados, "m1234001.343 - 09:30:01", "m1234001.343", joinPath("/env", "Enviados"),
         0},
        {ListId::Enviados, "s1234000012.045 - 09:30:01", "s1234000012.045",
         joinPath("/env", "Enviados"), -3},
        {ListId::Pendientes, "e1234001.123 - 09:30  En Espera", "e1234001.123",
         joinPath("/env", "Pend"), 1},
        {ListId::Rechazados, "m1234001.343 - RECHAZADO", "m1234001.343",
         joinPath("/env", "Rechaza"), 0},
        {ListId::Rechazados, "x1234012345.045 09:31 JULIANO MAL", "x1234012345.045",
         joinPath("/env", "Rechaza"), -3},
        {ListId::Recibidos, "m1234001.err - 09:31:00", "m1234001.err", "/rec", 7},
        {ListId::Recibidos, "a1234002.err - 09:31:00", "a1234002.err", "/rec", 7},
        {ListId::Recibidos, "A1234012345.045 - 09:31:00", "A1234012345.045", "/rec", 7},
        {ListId::Recibidos, "x1234", "x1234", "/rec", 7},
        {ListId::Enviados, "ñ1234001.343 - 09:30:01", "ñ1234001.343", joinPath("/env", "Enviados"),
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        std::int16_t offset = 7;
        const auto file = archivoDeLista(c.list, c.row, config, offset);
        ASSERT_TRUE(file);
        EXPECT_EQ(file->name, c.name);
        EXPECT_EQ(file->dir, c.dir);
        EXPECT_EQ(offset, c.offset);
    }
    std::int16_t offset = 0;
    EXPECT_FALSE(archivoDeLista(ListId::Mensajes, "m1234001.343", config, offset));
}

TEST(CmdImprimir, NoPrinterChosenIsReportedAndTheListingFramesTheRows) {
    FileViewer viewer;
    ScriptedDialogs dialogs;
    viewer.cargaImpresoras({"Oficina"});
    viewer.cargaRenglones(splitViewerRows("uno\r\ndos\r\n").rows);
    viewer.muestra("TORVAVal   -> Archivo 'a' ubicado en 'b'");
    bool ran = false;
    struct NoPrinter final : Printers {
        std::vector<std::string> names() override { return {}; }
        PrintOutcome print(const std::string&, const std::string&, const PrintLines&) override {
            return PrintOutcome::Failed;
        }
    } none;
    CmdImprimir_Click(viewer, none, dialogs, [&](const std::function<void()>&) { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Favor de selecionar la impresora a utilizar."});

    const ViewerListing listing(viewer.title(), viewer.sharedRows());
    std::vector<std::string> printed;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        printed.push_back(listing.line(i));
    }
    EXPECT_EQ(printed, (std::vector<std::string>{viewer.title(), "", "uno", "dos", "",
                                                 "TORVA Centro de Prevalidación"}));
}

}  // namespace
}  // namespace torva
