#include <QAction>
#include <QTimer>

#include "ui/Form1.h"
#include "ui/FrmEliminarBusqueda.h"
#include "ui/FrmPedirArchivo.h"

namespace torva::ui {
namespace {

// Brings the open window forward, or opens a new one.
template <typename Make>
void abre(QPointer<QDialog>& window, Make make) {
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

// "Solicitar Archivo" and "Eliminar Busqueda": modeless, one window of each.
void Form1::bindManual() {
    auto* solicita = findChild<QAction*>(QStringLiteral("SolicitaArchivo"));
    auto* elimina = findChild<QAction*>(QStringLiteral("EliminarBuscqueda"));
    connect(solicita, &QAction::triggered, this, [this] {
        abre(frmPedirArchivo_, [this] {
            return new FrmPedirArchivo(state_.config, state_.captions, ports_.dialogs,
                                       manualWrites_, this);
        });
    });
    connect(elimina, &QAction::triggered, this, [this] {
        abre(frmEliminarBusqueda_, [this] {
            return new FrmEliminarBusqueda(state_.config, ports_.dialogs, manualWrites_, this);
        });
    });
}

// The writes run at once, before any tick can start another pass; their
// boxes come after the operation that ended the pass has returned.
void Form1::finishManualWrites() {
    std::vector<EsperaDePasada::Informe> informes = manualWrites_.finDePasada();
    if (informes.empty()) {
        return;
    }
    QTimer::singleShot(0, this, [informes = std::move(informes)] {
        for (const auto& informe : informes) {
            informe();
        }
    });
}

}  // namespace torva::ui
