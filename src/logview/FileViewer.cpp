#include "logview/FileViewer.h"

#include <cmath>

#include "platform/Text.h"

namespace torva {
namespace {

constexpr const char* kCapturaRenglon =
    "Favor de capturar el número del reglon en que desea posicionarse.";
constexpr const char* kValorInvalido =
    "Se capturo un valor invalido, debe capturar solo números enteros positivos.";

}  // namespace

void FileViewer::cargaImpresoras(std::vector<std::string> names) {
    printers_ = std::move(names);
    printer_ = -1;
}

void FileViewer::cargaRenglones(ViewerRows rows) {
    rows_ = std::make_shared<const ViewerRows>(std::move(rows));
    selected_.reset();
    notify([](FileViewerObserver& o) { o.rowsChanged(); });
}

void FileViewer::muestra(std::string title) {
    title_ = std::move(title);
    visible_ = true;
    notify([](FileViewerObserver& o) { o.shownChanged(); });
}

void FileViewer::RecibeArreglos(const WrapTable& table) {
    table_ = table;
    registro_.clear();
    notify([](FileViewerObserver& o) { o.registroChanged(); });
}

void FileViewer::CmdCerrar_Click() {
    visible_ = false;
    notify([](FileViewerObserver& o) { o.shownChanged(); });
}

void FileViewer::LstArchivos_Click(std::size_t row) {
    if (row >= rows_->size()) {
        return;
    }
    selected_ = row;
    registro_ = std::to_string(recordOfRow(table_, row));
    notify([](FileViewerObserver& o) { o.registroChanged(); });
}

void FileViewer::CmdRegistro_Click(OperatorDialogs& dialogs) {
    auto refuse = [&](const std::string& text) {
        showCritical(dialogs, text);
        notify([](FileViewerObserver& o) { o.focusRegistro(); });
    };
    if (registro_.empty()) {
        refuse(kCapturaRenglon);
        return;
    }
    // Record numbers are whole and positive; "2.5" names no record.
    const double v = isNumeric(registro_) ? leadingNumber(registro_) : 0.0;
    if (v <= 0 || v != std::floor(v)) {
        refuse(kValorInvalido);
        return;
    }
    // Past any list's length, and still exact as an integer.
    const std::uint64_t record = v < 1e15 ? static_cast<std::uint64_t>(v) : UINT64_MAX;
    const RecordPlace place = rowOfRecord(table_, rows_->size(), record);
    if (!place.found) {
        refuse(
            "El archivo contiene menos registros del número buscado, proporcione un número "
            "menor a " +
            std::to_string(place.limit) + ".");
        return;
    }
    notify([&](FileViewerObserver& o) { o.rowSelected(place.row); });
    LstArchivos_Click(place.row);
}

void FileViewer::eligeImpresora(int index) {
    printer_ = index >= 0 && index < static_cast<int>(printers_.size()) ? index : -1;
}

}  // namespace torva
