#include "ui/FrmEliminarBusqueda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "manual/EliminarBusqueda.h"
#include "names/WorkDirs.h"
#include "ui/CommandButton.h"

namespace torva::ui {
FrmEliminarBusqueda::FrmEliminarBusqueda(const ConfigRecord& config, OperatorDialogs& dialogs,
                                         EsperaDePasada& writes, QWidget* parent)
    : QDialog(parent), config_(config), dialogs_(dialogs), writes_(writes) {
    setObjectName(QStringLiteral("FrmEliminarBusqueda"));
    setWindowTitle(QStringLiteral("TORVA Centro de Prevalidación    - Eliminar Busqueda"));
    setModal(false);

    auto* scope = new QLabel(
        QStringLiteral("Esta opción cancela la busqueda de un Archivo específico, esto SOLO "
                       "aplica para la transmisión del archivo, lo que siginifica que cancelar el "
                       "archivo aquí no tiene ninguna relación con su sistema de Trabajo de "
                       "Pedimentos, ni con la Aduana, el sistema solo dejará de buscar la "
                       "respuesta del archivo."),
        this);
    scope->setWordWrap(true);
    lstFiles_ = new QListWidget(this);
    lstFiles_->setObjectName(QStringLiteral("LstFiles"));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    lstFiles_->setFont(courier);
    cmdEliminar_ = commandButton("CmdEliminar", QStringLiteral("&Eliminar"), this);
    cmdEliminar_->setEnabled(false);
    auto* cmdCancelar = commandButton("CmdCancelar", QStringLiteral("&Cancelar"), this);
    lblEspera_ = new QLabel(this);
    lblEspera_->setObjectName(QStringLiteral("LblEspera"));
    lblEspera_->setWordWrap(true);
    lblEspera_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEliminar_);
    buttons->addWidget(cmdCancelar);
    auto* root = new QVBoxLayout(this);
    root->addWidget(scope);
    root->addWidget(new QLabel(QStringLiteral("Eliminar:"), this));
    root->addWidget(lstFiles_, 1);
    root->addWidget(lblEspera_);
    root->addLayout(buttons);
    resize(420, 360);

    connect(cmdEliminar_, &QPushButton::clicked, this, &FrmEliminarBusqueda::eliminar);
    connect(cmdCancelar, &QPushButton::clicked, this, &QWidget::close);
    llena();
}

void FrmEliminarBusqueda::llena() {
    lstFiles_->clear();
    const std::string pending = workDirs(config_).pending;
    std::error_code ec;
    const std::vector<std::string> names = marcasDeLaPatente(pending, config_.patente(), ec);
    if (ec) {
        showCritical(dialogs_, "Error. No se pudo leer la carpeta " + pending + ".");
    }
    for (const std::string& name : names) {
        const QString row = QString::fromStdString(name);
        if (!held_.contains(row)) {
            lstFiles_->addItem(row);
            // Stays enabled once a row was listed, also when the list empties.
            cmdEliminar_->setEnabled(true);
        }
    }
}

void FrmEliminarBusqueda::eliminar() {
    QListWidgetItem* item = lstFiles_->currentItem();
    if (!item || !item->isSelected()) {
        return;
    }
    const QString row = item->text();
    const std::string name = row.toStdString();
    const std::string pending = workDirs(config_).pending;
    QPointer<FrmEliminarBusqueda> window(this);
    OperatorDialogs& dialogs = dialogs_;
    const bool held = writes_.escribe([pending, name, row, window, &dialogs] {
        const Cancelacion resultado = borraMarca(pending, name);
        return EsperaDePasada::Informe([pending, name, row, resultado, window, &dialogs] {
            informaCancelacion(dialogs, pending, name, resultado);
            if (window) {
                window->cancelada(row);
            }
        });
    });
    if (held) {
        held_.append(row);
        delete item;
        muestraEspera();
    }
}

void FrmEliminarBusqueda::cancelada(const QString& name) {
    held_.removeOne(name);
    muestraEspera();
    llena();
}

void FrmEliminarBusqueda::muestraEspera() {
    lblEspera_->setVisible(!held_.isEmpty());
    lblEspera_->setText(QStringLiteral("Hay un ciclo de validación en curso: la busqueda de ") +
                        held_.join(QStringLiteral(", ")) +
                        QStringLiteral(" se cancelará al terminar, aunque cierre esta ventana."));
}

}  // namespace torva::ui
