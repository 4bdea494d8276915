#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "logview/ViewerRows.h"
#include "logview/WrapTable.h"
#include "platform/OperatorDialogs.h"

namespace torva {

// Runs a call that may take long and returns when it has returned; the
// window runs it off the GUI thread while it keeps processing events.
using RunBlocking = std::function<void(const std::function<void()>&)>;

// What the viewer window shows of its logic; it hears each change.
class FileViewerObserver {
  public:
    virtual ~FileViewerObserver() = default;
    virtual void rowsChanged() = 0;
    virtual void shownChanged() = 0;  // visible, title
    virtual void registroChanged() = 0;
    virtual void rowSelected(std::size_t row) = 0;
    virtual void focusRegistro() = 0;
};

// The logic of the viewer window `frmArchivos`: its rows, its copy of the
// wrap table, the record number `TxtRegistro` and the printers of
// `CboPrinters`. One instance, loaded at first use, hidden by `CmdCerrar`.
class FileViewer {
  public:
    void setObserver(FileViewerObserver* observer) { observer_ = observer; }

    // The window loads: `CboPrinters` gets the installed printers, none chosen.
    void cargaImpresoras(std::vector<std::string> names);

    // `LstArchivos` gets the rows.
    void cargaRenglones(ViewerRows rows);
    // The window shows, with its caption.
    void muestra(std::string title);
    // Takes a copy of the wrap table and empties `TxtRegistro`.
    void RecibeArreglos(const WrapTable& table);
    // `CmdCerrar`: hidden, rows kept.
    void CmdCerrar_Click();

    // A row of `LstArchivos` selected: `TxtRegistro` gets its record number.
    void LstArchivos_Click(std::size_t row);
    // What the operator typed in `TxtRegistro`.
    void setRegistro(std::string text) { registro_ = std::move(text); }
    // `CmdRegistro`: selects the first row of the record typed, or says why not.
    void CmdRegistro_Click(OperatorDialogs& dialogs);
    // `CboPrinters`: the printer chosen, -1 for none.
    void eligeImpresora(int index);

    const ViewerRows& rows() const { return *rows_; }
    // The rows as they are now, for work that outlives a later load.
    std::shared_ptr<const ViewerRows> sharedRows() const { return rows_; }
    const WrapTable& table() const { return table_; }
    const std::string& title() const { return title_; }
    bool visible() const { return visible_; }
    const std::string& registro() const { return registro_; }
    std::optional<std::size_t> selected() const { return selected_; }
    const std::vector<std::string>& impresoras() const { return printers_; }
    int impresora() const { return printer_; }

  private:
    template <typename F>
    void notify(F&& call) const {
        if (observer_) {
            call(*observer_);
        }
    }

    std::shared_ptr<const ViewerRows> rows_ = std::make_shared<const ViewerRows>();
    WrapTable table_;
    std::string title_;
    bool visible_ = false;
    std::string registro_;
    std::optional<std::size_t> selected_;
    std::vector<std::string> printers_;
    int printer_ = -1;
    FileViewerObserver* observer_ = nullptr;
};

}  // namespace torva
