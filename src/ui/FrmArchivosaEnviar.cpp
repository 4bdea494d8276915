#include "ui/FrmArchivosaEnviar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/CommandButton.h"

namespace torva::ui {
namespace {

QListWidget* courierList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    list->setFont(courier);
    return list;
}

}  // namespace

FrmArchivosaEnviar::FrmArchivosaEnviar(FileSelection& selection, QWidget* parent)
    : QDialog(parent), selection_(selection) {
    setObjectName(QStringLiteral("FrmArchivosaEnviar"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setModal(true);

    lstEnviar_ = courierList("LstEnviar", this);
    lstEnviar_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const std::string& row : selection_.rows()) {
        lstEnviar_->addItem(QString::fromStdString(row));
    }
    // Collects the rows left out; kept out of sight.
    lstNoEnviar_ = courierList("LstNoEnviar", this);
    lstNoEnviar_->hide();

    auto* label =
        new QLabel(QStringLiteral("Selecciona las archivos que deseas enviar a validar"), this);
    label->setObjectName(QStringLiteral("Label1"));
    auto* cmdEnviar = commandButton("CmdEnviarArchivos", QStringLiteral("Enviar"), this);
    cmdSelectAll_ = commandButton("CmdSelectAll", QStringLiteral("Todos"), this);
    auto* cmdActualizar = commandButton("CmdActualizar", QStringLiteral("Actualizar"), this);
    auto* cmdCancelar = commandButton("CmdCancelar", QStringLiteral("Cancelar"), this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdEnviar, cmdSelectAll_, cmdActualizar, cmdCancelar}) {
        buttons->addWidget(b);
    }
    auto* root = new QVBoxLayout(this);
    root->addWidget(label);
    root->addWidget(lstEnviar_, 1);
    root->addWidget(lstNoEnviar_);
    root->addLayout(buttons);
    resize(420, 360);

    connect(cmdSelectAll_, &QPushButton::clicked, this, [this] {
        std::vector<bool> chosen = selected();
        const std::string caption = selection_.selectAll(chosen);
        for (int i = 0; i < lstEnviar_->count(); ++i) {
            lstEnviar_->item(i)->setSelected(chosen[static_cast<std::size_t>(i)]);
        }
        cmdSelectAll_->setText(QString::fromStdString(caption));
    });
    connect(cmdEnviar, &QPushButton::clicked, this, [this] {
        const std::vector<bool> chosen = selected();
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (!chosen[i]) {
                lstNoEnviar_->addItem(lstEnviar_->item(static_cast<int>(i))->text());
            }
        }
        if (selection_.send(chosen)) {
            accept();
        }
    });
    connect(cmdActualizar, &QPushButton::clicked, this, [this] {
        selection_.refresh();
        accept();
    });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] {
        selection_.cancel();
        reject();
    });
}

std::vector<bool> FrmArchivosaEnviar::selected() const {
    std::vector<bool> chosen(static_cast<std::size_t>(lstEnviar_->count()), false);
    for (int i = 0; i < lstEnviar_->count(); ++i) {
        chosen[static_cast<std::size_t>(i)] = lstEnviar_->item(i)->isSelected();
    }
    return chosen;
}

// Every way out passes here, the close box and Escape included.
void FrmArchivosaEnviar::done(int result) {
    if (!closed_) {
        closed_ = true;
        selection_.closed();
    }
    QDialog::done(result);
}

}  // namespace torva::ui
