#pragma once

#include "logview/FileViewer.h"
#include "logview/Printers.h"
#include "platform/OperatorDialogs.h"

namespace torva {

// `CmdImprimir` of the viewer: prints its caption, every row and the
// system's name on the printer chosen in `CboPrinters`, then says where it
// printed, or why it could not.
void CmdImprimir_Click(const FileViewer& viewer, Printers& printers, OperatorDialogs& dialogs,
                       const RunBlocking& runBlocking);

// The printed document: the caption, an empty line, the rows, an empty line
// and "TORVA Centro de Prevalidación".
class ViewerListing final : public PrintLines {
  public:
    ViewerListing(std::string title, std::shared_ptr<const ViewerRows> rows);
    std::size_t size() const override { return rows_->size() + 4; }
    std::string line(std::size_t i) const override;

  private:
    std::string title_;
    std::shared_ptr<const ViewerRows> rows_;
};

}  // namespace torva
