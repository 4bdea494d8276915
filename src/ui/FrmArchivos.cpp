#include "ui/FrmArchivos.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "logview/CmdImprimir.h"
#include "ui/CommandButton.h"
#include "ui/QtPrinters.h"
#include "ui/ViewerRowsModel.h"
#include "ui/WorkerThread.h"

namespace torva::ui {
namespace {

Printers& chosen(Printers* given, std::unique_ptr<QtPrinters>& own) {
    if (given) {
        return *given;
    }
    own = std::make_unique<QtPrinters>();
    return *own;
}

}  // namespace

FrmArchivos::FrmArchivos(Printers* printers, OperatorDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      printers_(chosen(printers, ownPrinters_)),
      dialogs_(dialogs),
      loader_(std::make_unique<WorkerThread>()),
      printer_(std::make_unique<WorkerThread>()) {
    setObjectName(QStringLiteral("frmArchivos"));

    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    model_ = new ViewerRowsModel(this);
    lstArchivos_ = new QListView(this);
    lstArchivos_->setObjectName(QStringLiteral("LstArchivos"));
    lstArchivos_->setFont(courier);
    lstArchivos_->setUniformItemSizes(true);
    lstArchivos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstArchivos_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstArchivos_->setModel(model_);

    txtRegistro_ = new QLineEdit(this);
    txtRegistro_->setObjectName(QStringLiteral("TxtRegistro"));
    txtRegistro_->setMaximumWidth(120);
    auto* cmdRegistro = commandButton("CmdRegistro", QStringLiteral("Ir al &Registro"), this);
    cboPrinters_ = new QComboBox(this);
    cboPrinters_->setObjectName(QStringLiteral("CboPrinters"));
    cboPrinters_->setPlaceholderText(QStringLiteral("Impresora"));
    cboPrinters_->setMinimumContentsLength(24);
    cmdImprimir_ = commandButton("CmdImprimir", QStringLiteral("&Imprimir"), this);
    auto* cmdCerrar = commandButton("CmdCerrar", QStringLiteral("&Cerrar"), this);

    auto* controls = new QHBoxLayout;
    controls->addWidget(txtRegistro_);
    controls->addWidget(cmdRegistro);
    controls->addStretch();
    controls->addWidget(cboPrinters_);
    controls->addWidget(cmdImprimir_);
    controls->addWidget(cmdCerrar);
    auto* root = new QVBoxLayout(this);
    root->addWidget(lstArchivos_, 1);
    root->addLayout(controls);

    // Wide enough for a whole row.
    const int rowWidth =
        lstArchivos_->fontMetrics().horizontalAdvance(QString(104, QLatin1Char('M')));
    resize(rowWidth + lstArchivos_->verticalScrollBar()->sizeHint().width() + 40, 520);

    // The main window closing takes the viewer with it.
    if (parent) {
        parent->installEventFilter(this);
    }

    // The window loads: the installed printers, none chosen.
    logic_.setObserver(this);
    logic_.cargaImpresoras(printers_.names());
    for (const std::string& name : logic_.impresoras()) {
        cboPrinters_->addItem(QString::fromStdString(name));
    }
    cboPrinters_->setCurrentIndex(-1);

    // A row selected by the mouse, the keys or going to a record; the current
    // row the list takes with the focus is not a selection.
    connect(lstArchivos_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.indexes().isEmpty()) {
                    logic_.LstArchivos_Click(
                        static_cast<std::size_t>(selected.indexes().first().row()));
                }
            });
    // A click on the row already selected says its record again.
    connect(lstArchivos_, &QListView::clicked, this, [this](const QModelIndex& index) {
        logic_.LstArchivos_Click(static_cast<std::size_t>(index.row()));
    });
    connect(txtRegistro_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.setRegistro(text.toStdString()); });
    connect(txtRegistro_, &QLineEdit::returnPressed, cmdRegistro, &QPushButton::click);
    connect(cmdRegistro, &QPushButton::clicked, this,
            [this] { logic_.CmdRegistro_Click(dialogs_); });
    connect(cboPrinters_, &QComboBox::currentIndexChanged, this,
            [this](int index) { logic_.eligeImpresora(index); });
    connect(cmdImprimir_, &QPushButton::clicked, this, &FrmArchivos::imprime);
    connect(cmdCerrar, &QPushButton::clicked, this, [this] { logic_.CmdCerrar_Click(); });
}

FrmArchivos::~FrmArchivos() {
    logic_.setObserver(nullptr);
}

void FrmArchivos::runLoad(const std::function<void()>& call) {
    loader_->run(call);
}

bool FrmArchivos::beginLoad(const std::string& name, const std::string& dir) {
    if (loading_) {
        waiting_.emplace(name, dir);
        return false;
    }
    loading_ = true;
    return true;
}

std::optional<std::pair<std::string, std::string>> FrmArchivos::endLoad() {
    loading_ = false;
    return std::exchange(waiting_, std::nullopt);
}

void FrmArchivos::rowsChanged() {
    model_->reset(logic_.sharedRows());
    lstArchivos_->scrollToTop();
}

void FrmArchivos::shownChanged() {
    setWindowTitle(QString::fromStdString(logic_.title()));
    if (!logic_.visible()) {
        hide();
        return;
    }
    show();
    raise();
    activateWindow();
}

void FrmArchivos::registroChanged() {
    txtRegistro_->setText(QString::fromStdString(logic_.registro()));
}

void FrmArchivos::rowSelected(std::size_t row) {
    const QModelIndex index = model_->index(static_cast<int>(row), 0);
    lstArchivos_->setCurrentIndex(index);
    lstArchivos_->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void FrmArchivos::focusRegistro() {
    txtRegistro_->setFocus();
}

void FrmArchivos::imprime() {
    // One print at a time; the window stays usable meanwhile.
    cmdImprimir_->setEnabled(false);
    CmdImprimir_Click(logic_, printers_, dialogs_,
                      [this](const std::function<void()>& call) { printer_->run(call); });
    cmdImprimir_->setEnabled(true);
}

// The close box hides the window as `CmdCerrar` does; it keeps its rows.
void FrmArchivos::closeEvent(QCloseEvent* event) {
    event->ignore();
    logic_.CmdCerrar_Click();
}

// The main window hidden by the program (closed), not by the window system
// (minimised).
bool FrmArchivos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous() &&
        logic_.visible()) {
        logic_.CmdCerrar_Click();
    }
    return false;
}

}  // namespace torva::ui
