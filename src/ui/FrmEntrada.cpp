#include "ui/FrmEntrada.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/OneLineEdit.h"

namespace torva::ui {
namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

FrmEntrada::FrmEntrada(const std::string& configDirectory, OperatorDialogs& dialogs,
                       QWidget* parent)
    : QDialog(parent), model_(ProfileStore(configDirectory), dialogs) {
    setObjectName(QStringLiteral("FrmEntrada"));
    setWindowTitle(QStringLiteral("TORVA - Centro de Prevalidación"));
    build();
    model_.setChangedCallback([this] { refresh(); });
    model_.load();
}

void FrmEntrada::build() {
    auto* root = new QVBoxLayout(this);
    auto* selectRow = new QHBoxLayout;
    selectRow->addWidget(new QLabel(QStringLiteral("Seleccione Patente:"), this));
    cboPatentes_ = new QComboBox(this);
    cboPatentes_->setObjectName(QStringLiteral("CboPatentes"));
    cboPatentes_->setMinimumWidth(160);
    selectRow->addWidget(cboPatentes_, 1);
    root->addLayout(selectRow);

    auto* commandRow = new QHBoxLayout;
    cmdEntrar_ = button("CmdEntrar", QStringLiteral("&Entrar"), this);
    cmdCrear_ = button("CmdCrearPatente", QStringLiteral("C&rear Patente"), this);
    cmdEliminar_ = button("CmdEliminarPatente", QStringLiteral("E&liminar Patente"), this);
    auto* cmdCancelar = button("CmdCancelar", QStringLiteral("&Cancelar"), this);
    for (auto* b : {cmdEntrar_, cmdCrear_, cmdEliminar_, cmdCancelar}) {
        b->setAutoDefault(false);
        commandRow->addWidget(b);
    }
    root->addLayout(commandRow);

    creationArea_ = new QWidget(this);
    creationArea_->setObjectName(QStringLiteral("AreaCrear"));
    auto* area = new QGridLayout(creationArea_);
    area->setContentsMargins(0, 0, 0, 0);
    auto* explanation = new QLabel(
        QStringLiteral("Escriba la clave con la que desea identificar a la pantente, puede ser "
                       "la patente o cualquier clave que se desee, recuerde que esta clave será "
                       "ligada a la configuración de la Patente para poder Validar."),
        creationArea_);
    explanation->setWordWrap(true);
    area->addWidget(explanation, 0, 0, 1, 3);
    area->addWidget(new QLabel(QStringLiteral("Patente:"), creationArea_), 1, 0);
    txtPatente_ = new QLineEdit(creationArea_);
    txtPatente_->setObjectName(QStringLiteral("TxtPatente"));
    txtPatente_->setMaxLength(static_cast<int>(StartupWindow::kMaxKeyLength));
    keepToOneLine(txtPatente_);
    area->addWidget(txtPatente_, 1, 1);
    cmdAceptar_ = button("CmdAceptar", QStringLiteral("&Aceptar"), creationArea_);
    area->addWidget(cmdAceptar_, 1, 2);
    root->addWidget(creationArea_);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(cboPatentes_, &QComboBox::activated, this, [this](int index) {
        if (!refreshing_ && index >= 0) {
            model_.select(static_cast<std::size_t>(index));
        }
    });
    connect(txtPatente_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!refreshing_) {
            model_.setNewKey(text.toStdString());
        }
    });
    connect(cmdAceptar_, &QPushButton::clicked, this, [this] {
        model_.CmdAceptar();
        if (!model_.creationAreaVisible()) {
            const QSignalBlocker block(txtPatente_);
            txtPatente_->clear();
        }
    });
    connect(cmdCrear_, &QPushButton::clicked, this, [this] {
        model_.CmdCrearPatente();
        txtPatente_->setFocus();
    });
    connect(cmdEliminar_, &QPushButton::clicked, this, [this] { model_.CmdEliminarPatente(); });
    connect(cmdEntrar_, &QPushButton::clicked, this, [this] { enter(); });
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmEntrada::refresh() {
    refreshing_ = true;
    cboPatentes_->clear();
    for (const auto& key : model_.keys()) {
        cboPatentes_->addItem(QString::fromStdString(key));
    }
    cboPatentes_->setCurrentIndex(model_.selected() ? static_cast<int>(*model_.selected()) : -1);
    cmdEntrar_->setEnabled(model_.profileCommandsEnabled());
    cmdCrear_->setEnabled(model_.profileCommandsEnabled());
    cmdEliminar_->setEnabled(model_.profileCommandsEnabled());
    cmdAceptar_->setEnabled(model_.acceptEnabled());
    txtPatente_->setEnabled(model_.creationEnabled());
    creationArea_->setVisible(model_.creationAreaVisible());
    refreshing_ = false;
    adjustSize();
}

void FrmEntrada::enter() {
    chosen_ = model_.CmdEntrar();
    if (chosen_) {
        accept();
    }
}

}  // namespace torva::ui
