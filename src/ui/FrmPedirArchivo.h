#pragma once

#include <QDialog>

#include "manual/EsperaDePasada.h"
#include "platform/OperatorDialogs.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torva::ui {

// The modeless window where the operator asks again for the response of a
// file sent today, by its type letter and folio: it puts an empty pending
// marker for it, so the next pass looks for its response. While a pass runs
// the marker waits for its end, and the window says so.
class FrmPedirArchivo : public QDialog {
    Q_OBJECT
  public:
    FrmPedirArchivo(const ConfigRecord& config, const Captions& captions, OperatorDialogs& dialogs,
                    EsperaDePasada& writes, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void aceptar();
    // The marker was written (or not) after the window held it.
    void escrito(bool ok);
    void enEspera(bool waiting, const QString& name = {});

    const ConfigRecord& config_;
    const Captions& captions_;
    OperatorDialogs& dialogs_;
    EsperaDePasada& writes_;
    QComboBox* cboLetra_ = nullptr;
    QLineEdit* txtFolio_ = nullptr;
    QPushButton* cmdAceptar_ = nullptr;
    QLabel* lblEspera_ = nullptr;
};

}  // namespace torva::ui
