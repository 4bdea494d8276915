#pragma once

#include <QDialog>
#include <QStringList>

#include "manual/EsperaDePasada.h"
#include "platform/OperatorDialogs.h"
#include "state/ConfigRecord.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace torva::ui {

// The modeless window that lists the patente's pending markers and deletes
// the one chosen, so its response is no longer looked for. While a pass runs
// the deletion waits for its end, and the window says so.
class FrmEliminarBusqueda : public QDialog {
    Q_OBJECT
  public:
    FrmEliminarBusqueda(const ConfigRecord& config, OperatorDialogs& dialogs,
                        EsperaDePasada& writes, QWidget* parent = nullptr);

  private:
    // Fills `LstFiles` from the pending folder.
    void llena();
    void eliminar();
    void cancelada(const QString& name);
    void muestraEspera();

    const ConfigRecord& config_;
    OperatorDialogs& dialogs_;
    EsperaDePasada& writes_;
    QListWidget* lstFiles_ = nullptr;
    QPushButton* cmdEliminar_ = nullptr;
    QLabel* lblEspera_ = nullptr;
    // Cancellations waiting for the pass to end, left out of the list.
    QStringList held_;
};

}  // namespace torva::ui
