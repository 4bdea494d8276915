// The viewer as the main window opens it: `MuestraArchivo` and the double
// click on the four day lists.
#include <QListView>

#include "logview/ArchivoDeLista.h"
#include "logview/MuestraArchivo.h"
#include "ui/Form1.h"
#include "ui/FrmArchivos.h"

namespace torva::ui {
namespace {

// The pending list's only row when nothing is pending; no file bears it.
constexpr const char* kNadaPendiente = "No hay Archivos Pedientes";

}  // namespace

FrmArchivos& Form1::frmArchivos() {
    if (!frmArchivos_) {
        frmArchivos_ = new FrmArchivos(printers_, ports_.dialogs, this);
    }
    return *frmArchivos_;
}

void Form1::MuestraArchivo(const std::string& name, const std::string& dir) {
    FrmArchivos& viewer = frmArchivos();
    // A file asked for while another loads is loaded after it.
    if (!viewer.beginLoad(name, dir)) {
        return;
    }
    ViewerContext ctx{state_.captions, ports_.dialogs, viewer.logic(),
                      [&viewer](const std::function<void()>& call) { viewer.runLoad(call); }};
    torva::MuestraArchivo(ctx, name, dir);
    if (const auto next = viewer.endLoad()) {
        MuestraArchivo(next->first, next->second);
    }
}

void Form1::bindViewer() {
    for (ListId id :
         {ListId::Enviados, ListId::Pendientes, ListId::Rechazados, ListId::Recibidos}) {
        connect(
            lists_.at(id), &QListView::doubleClicked, this, [this, id](const QModelIndex& index) {
                const std::vector<std::string>& rows = state_.lists.get(id);
                if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows.size()) {
                    return;
                }
                const std::string row = rows[static_cast<std::size_t>(index.row())];
                if (id == ListId::Pendientes && row == kNadaPendiente) {
                    return;
                }
                if (const auto file = archivoDeLista(id, row, state_.config, state_.letterOffset)) {
                    MuestraArchivo(file->name, file->dir);
                }
            });
    }
}

}  // namespace torva::ui
