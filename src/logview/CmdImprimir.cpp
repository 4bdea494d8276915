#include "logview/CmdImprimir.h"

namespace torva {

ViewerListing::ViewerListing(std::string title, std::shared_ptr<const ViewerRows> rows)
    : title_(std::move(title)), rows_(std::move(rows)) {}

std::string ViewerListing::line(std::size_t i) const {
    const std::size_t n = rows_->size();
    if (i == 0) {
        return title_;
    }
    if (i == 1 || i == n + 2) {
        return {};
    }
    if (i == n + 3) {
        return kAppTitle;
    }
    return rows_->text(i - 2);
}

void CmdImprimir_Click(const FileViewer& viewer, Printers& printers, OperatorDialogs& dialogs,
                       const RunBlocking& runBlocking) {
    const int chosen = viewer.impresora();
    if (chosen < 0) {
        showCritical(dialogs, "Favor de selecionar la impresora a utilizar.");
        return;
    }
    const std::string printer = viewer.impresoras()[static_cast<std::size_t>(chosen)];
    // The print holds its own copies: a file loaded meanwhile does not change it.
    const std::string title = viewer.title();
    const ViewerListing listing(title, viewer.sharedRows());
    PrintOutcome outcome = PrintOutcome::Failed;
    {
        const BusyCursor busy(dialogs);
        runBlocking([&] { outcome = printers.print(printer, title, listing); });
    }
    if (outcome != PrintOutcome::Printed) {
        showCritical(dialogs,
                     "No fue posible imprimir verifique el estado de su impresora e intente "
                     "nuevamente.");
        return;
    }
    dialogs.message(kAppTitle, "Impresión " + title + "\rEn la Impresora '" + printer + "'",
                    DialogIcon::None, DialogButtons::Ok);
}

}  // namespace torva
