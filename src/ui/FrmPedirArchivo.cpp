#include "ui/FrmPedirArchivo.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "manual/PedirArchivo.h"
#include "ui/CommandButton.h"

namespace torva::ui {
namespace {

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

FrmPedirArchivo::FrmPedirArchivo(const ConfigRecord& config, const Captions& captions,
                                 OperatorDialogs& dialogs, EsperaDePasada& writes, QWidget* parent)
    : QDialog(parent), config_(config), captions_(captions), dialogs_(dialogs), writes_(writes) {
    setObjectName(QStringLiteral("FrmPedirArchivo"));
    setWindowTitle(QStringLiteral("TORVA Centro de Prevalidación  - Pedir Archivo"));
    setModal(false);

    cboLetra_ = new QComboBox(this);
    cboLetra_->setObjectName(QStringLiteral("CboLetra"));
    for (const std::string& item : letrasSolicitables(config_.get(slot::kSendLetters))) {
        cboLetra_->addItem(QString::fromStdString(item));
    }
    cboLetra_->installEventFilter(this);
    txtFolio_ = new QLineEdit(this);
    txtFolio_->setObjectName(QStringLiteral("TxtFolio"));
    txtFolio_->setMaxLength(largoFolio(cboLetra_->currentText().toStdString()));
    cmdAceptar_ = commandButton("CmdAceptar", QStringLiteral("&Aceptar"), this);
    auto* cmdCancelar = commandButton("CmdCancelar", QStringLiteral("&Cancelar"), this);
    lblEspera_ = note(QString(), this);
    lblEspera_->setObjectName(QStringLiteral("LblEspera"));
    lblEspera_->hide();

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Tipo de Archivo:"), this), 0, 0);
    fields->addWidget(cboLetra_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Folio del Archivo:"), this), 1, 0);
    fields->addWidget(txtFolio_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAceptar_);
    buttons->addWidget(cmdCancelar);
    auto* root = new QVBoxLayout(this);
    root->addWidget(note(QStringLiteral("Esta opción solo buscará un archivo con previa respuesta "
                                        "en el día de hoy, el cual  hubiese sido borrado, NO "
                                        "genera un archivo de envio."),
                         this));
    root->addLayout(fields);
    root->addWidget(note(QStringLiteral("* Para los solicitar archivos de Sagarpa es necesario "
                                        "teclear el número de la OISA seguido del número de folio "
                                        "del archivo."),
                         this));
    root->addWidget(lblEspera_);
    root->addLayout(buttons);
    resize(420, 260);

    connect(cmdAceptar_, &QPushButton::clicked, this, &FrmPedirArchivo::aceptar);
    connect(cmdCancelar, &QPushButton::clicked, this, &QWidget::close);
}

// The folio is typed anew whenever the letter list loses the focus, not when
// the window itself does or the list opens its popup.
bool FrmPedirArchivo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboLetra_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            txtFolio_->clear();
            txtFolio_->setMaxLength(largoFolio(cboLetra_->currentText().toStdString()));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmPedirArchivo::aceptar() {
    const auto solicitud =
        revisaSolicitud(config_, captions_, dialogs_, cboLetra_->currentText().toStdString(),
                        txtFolio_->text().toStdString());
    if (!solicitud) {
        return;
    }
    QPointer<FrmPedirArchivo> window(this);
    OperatorDialogs& dialogs = dialogs_;
    const bool held = writes_.escribe([s = *solicitud, window, &dialogs] {
        const FalloMarca fallo = creaMarca(s);
        return EsperaDePasada::Informe([s, fallo, window, &dialogs] {
            informaMarca(dialogs, s, fallo);
            if (window) {
                window->escrito(fallo == FalloMarca::Ninguno);
            }
        });
    });
    if (held) {
        enEspera(true, QString::fromStdString(solicitud->name));
    }
}

void FrmPedirArchivo::escrito(bool ok) {
    if (ok) {
        close();
    } else {
        enEspera(false);  // the input stays for another try
    }
}

void FrmPedirArchivo::enEspera(bool waiting, const QString& name) {
    cboLetra_->setEnabled(!waiting);
    txtFolio_->setEnabled(!waiting);
    cmdAceptar_->setEnabled(!waiting);
    lblEspera_->setVisible(waiting);
    lblEspera_->setText(
        waiting ? QStringLiteral("Hay un ciclo de validación en curso: el archivo ") + name +
                      QStringLiteral(" se registrará para su busqueda al terminar, "
                                     "aunque cierre esta ventana.")
                : QString());
}

}  // namespace torva::ui
