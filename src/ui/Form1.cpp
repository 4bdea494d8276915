#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "form/MainWindowLogic.h"
#include "profiles/CycleLength.h"
#include "profiles/Panels.h"
#include "profiles/ServerChoice.h"
#include "profiles/SignFlag.h"
#include "ui/ClickableLabel.h"
#include "ui/ConexionTab.h"
#include "ui/DayListModel.h"
#include "ui/FrmAbout.h"
#include "ui/WaitingFtpClient.h"
#include "ui/WaitingSigningLibrary.h"
#include "ui/WorkerThread.h"

namespace torva::ui {
namespace {

// How often a running pass's changes reach the screen.
constexpr int kRefreshMs = 50;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr const char* kCierreDuranteCiclo =
    "Hay un ciclo de validación en curso. El programa se cerrará al terminar el envío o la "
    "recepción del archivo en proceso. ¿Desea salir?";

// A caption's "&" marks the access key of buttons and menus; labels show it.
bool isCommandCaption(Caption c) {
    return c == Caption::StartButton || c == Caption::MenuFolios;
}

}  // namespace

Form1::Form1(OperatorDialogs& dialogs, const Clock& clock, HostIdentity host, QWidget* parent)
    : QMainWindow(parent),
      ports_{dialogs, clock, std::move(host)},
      worker_(std::make_unique<WorkerThread>()) {
    setObjectName(QStringLiteral("Form1"));
    auto* central = new QWidget(this);
    auto* root = new QVBoxLayout(central);

    auto* heading = new QHBoxLayout;
    auto* torva = new QLabel(QStringLiteral("TORVA"), central);
    torva->setObjectName(QStringLiteral("Label3"));
    QFont big = torva->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    torva->setFont(big);
    auto* centro = new QLabel(QStringLiteral("Centro de Prevalidación"), central);
    centro->setObjectName(QStringLiteral("CentroPreval"));
    heading->addWidget(torva);
    heading->addWidget(centro);
    heading->addStretch();
    root->addLayout(heading);

    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildConfigurationTab(), QStringLiteral("&Configuración"));
    tabs_->addTab(buildStatusTab(), QStringLiteral("S&tatus"));
    tabs_->addTab(buildConnectionTab(), QStringLiteral("Con&exión"));
    root->addWidget(tabs_, 1);

    auto* bottom = new QHBoxLayout;
    startButton_ = new QPushButton(central);
    startButton_->setObjectName(QStringLiteral("Start_Button"));
    startButton_->setToolTip(QStringLiteral(
        "Inicia o detiene el proceso de envío y recepción de archivos a validación"));
    auto* despliega = new ClickableLabel(central);
    despliega->setObjectName(QStringLiteral("LblDespliega"));
    despliega->setToolTip(
        QStringLiteral("Presione Doble Click aquí para ver el contenido de todos los mensajes"));
    labels_[Caption::LblDespliega] = despliega;
    auto* cmdExit = new QPushButton(QStringLiteral("&Salir"), central);
    cmdExit->setObjectName(QStringLiteral("CmdExit"));
    cmdExit->setToolTip(QStringLiteral("Termina la conexión y cierra el programa"));
    bottom->addWidget(startButton_);
    bottom->addWidget(despliega, 1);
    bottom->addWidget(cmdExit);
    root->addLayout(bottom);
    buildWorkControls(central);
    setCentralWidget(central);
    buildMenus();

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshMs);
    connect(refreshTimer_, &QTimer::timeout, this, &Form1::refresh);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(startButton_, &QPushButton::clicked, this,
            [this] { Start_Button_Click(state_, ports_); });
    connect(menuStart_, &QAction::triggered, this, [this] { Start_Button_Click(state_, ports_); });
    connect(tmrControl_, &QTimer::timeout, this, [this] { TmrControl_Timer(state_, ports_); });
    for (int i = 0; i < slot::kCount; ++i) {
        connect(fields_[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { state_.config.set(i, text.toStdString()); });
    }
    for (auto [slotIndex, box] : flagBoxes_) {
        connect(box, &QCheckBox::clicked, this, [this, i = slotIndex](bool checked) {
            if (i == slot::kSign) {
                ChkFirmar_Click(state_.profiles(ports_.dialogs), checked);
            } else {
                state_.config.setFlag(i, checked);
            }
        });
    }
    bindSettingsControls();
    bindRespaldo();
    bindPruebas();
    bindAvisos();
    bindManual();
    connect(opnPrimario_, &QRadioButton::clicked, this, [this] {
        SeleccionaServidor(state_.profiles(ports_.dialogs), ServerOption::Primario);
    });
    connect(opnSecundario_, &QRadioButton::clicked, this, [this] {
        SeleccionaServidor(state_.profiles(ports_.dialogs), ServerOption::Secundario);
    });

    state_.setObserver(this);
    showAll();
    resize(760, 640);
}

Form1::~Form1() {
    state_.setObserver(nullptr);
}

void Form1::setFtpClient(FtpClient* ftp) {
    waitingFtp_ = ftp ? std::make_unique<WaitingFtpClient>(*ftp, *worker_) : nullptr;
    ports_.ftp = waitingFtp_.get();
}

void Form1::setSigningLibrary(SigningLibrary* signer) {
    waitingSigner_ = signer ? std::make_unique<WaitingSigningLibrary>(*signer, *worker_) : nullptr;
    ports_.signer = waitingSigner_.get();
}

void Form1::load(std::uint8_t profileIndex, const std::string& configDirectory) {
    CargaForm1(state_, ports_, profileIndex, configDirectory);
    // Ticks from now until the window closes.
    tmrControl_->start();
}

void Form1::showAll() {
    for (int i = 0; i < slot::kCount; ++i) {
        slotChanged(i);
    }
    for (const auto& entry : lists_) {
        listReset(entry.first);
    }
    for (int c = 0; c < kCaptionCount; ++c) {
        captionChanged(static_cast<Caption>(c));
    }
    editStateChanged();
    gaugesChanged();
    testsEnabledChanged();
}

void Form1::slotChanged(int i) {
    const QString value = qs(state_.config.get(i));
    if (fields_[static_cast<std::size_t>(i)]->text() != value) {
        const QSignalBlocker block(fields_[static_cast<std::size_t>(i)]);
        fields_[static_cast<std::size_t>(i)]->setText(value);
    }
    if (const auto it = flagBoxes_.find(i); it != flagBoxes_.end()) {
        it->second->setChecked(state_.config.flag(i));
    }
}

void Form1::listAppended(ListId which) {
    const auto it = models_.find(which);
    if (it == models_.end()) {
        return;
    }
    if (state_.cycle.passInProgress()) {
        scheduleRefresh();
    } else {
        it->second->appended();
    }
}

void Form1::listRemoved(ListId which, int index) {
    if (const auto it = models_.find(which); it != models_.end()) {
        it->second->removed(index);
    }
}

void Form1::listReset(ListId which) {
    const auto it = models_.find(which);
    if (it == models_.end()) {
        return;
    }
    // The operator's place in the list survives a refill.
    QListView* view = lists_.at(which);
    const int scrolled = view->verticalScrollBar()->value();
    it->second->reset();
    if (scrolled > 0) {
        view->doItemsLayout();
        view->verticalScrollBar()->setValue(scrolled);
    }
}

void Form1::listLookChanged(ListId which) {
    const auto it = lists_.find(which);
    if (it == lists_.end()) {
        return;
    }
    models_.at(which)->appended();
    showSelection(which);
    QListView* view = it->second;
    QPalette palette = view->palette();
    const QPalette system = QApplication::palette(view);
    palette.setColor(QPalette::Base, state_.lists.background(which) == ListBackground::ToolTip
                                         ? system.color(QPalette::ToolTipBase)
                                         : system.color(QPalette::Base));
    view->setPalette(palette);
}

void Form1::showSelection(ListId which) {
    QListView* view = lists_.at(which);
    const int row = state_.lists.selected(which);
    const QModelIndex current = view->model()->index(row, 0);
    if (!current.isValid()) {
        view->clearSelection();
        return;
    }
    if (view->currentIndex() != current) {
        view->setCurrentIndex(current);
    }
}

void Form1::captionChanged(Caption which) {
    if (state_.cycle.passInProgress()) {
        staleCaptions_.set(static_cast<std::size_t>(which));
        scheduleRefresh();
        return;
    }
    showCaption(which);
}

void Form1::showCaption(Caption which) {
    staleCaptions_.reset(static_cast<std::size_t>(which));
    const QString value = qs(state_.captions.get(which));
    switch (which) {
        case Caption::Title:
            setWindowTitle(value);
            return;
        case Caption::StartButton:
            startButton_->setText(value);
            menuStart_->setText(value);
            return;
        case Caption::MenuFolios:
            menuFolios_->setText(value);
            return;
        default:
            break;
    }
    if (const auto it = labels_.find(which); it != labels_.end() && !isCommandCaption(which)) {
        it->second->setText(value);
    }
}

void Form1::scheduleRefresh() {
    if (!refreshTimer_->isActive()) {
        refreshTimer_->start();
    }
}

void Form1::refresh() {
    for (int c = 0; c < kCaptionCount; ++c) {
        if (staleCaptions_.test(static_cast<std::size_t>(c))) {
            showCaption(static_cast<Caption>(c));
        }
    }
    for (const auto& [id, model] : models_) {
        if (model->behind()) {
            model->appended();
        }
    }
}

void Form1::editStateChanged() {
    const EditState& edit = state_.edit;
    const bool idle = !state_.cycle.passInProgress();
    for (int i = 0; i < slot::kCount; ++i) {
        fields_[static_cast<std::size_t>(i)]->setReadOnly(!idle || !edit.slotEditable(i));
    }
    menuConfigure_->setText(QString::fromUtf8(edit.configureCaption()));
    opnPrimario_->setEnabled(edit.editing());
    opnSecundario_->setEnabled(edit.editing());
    (edit.server() == ServerOption::Primario ? opnPrimario_ : opnSecundario_)->setChecked(true);

    for (int i : {slot::kHost, slot::kPassword, slot::kRecord500Length}) {
        const auto k = static_cast<std::size_t>(i);
        const bool shown =
            i == slot::kRecord500Length ? edit.record500Visible() : edit.hiddenFieldsVisible();
        fields_[k]->setVisible(shown);
        fieldLabels_[k]->setVisible(shown);
    }
    const Panel panel = edit.panel();
    fmeServidor_->setVisible(panel == Panel::Servidor);
    fmeFea_->setVisible(panel == Panel::Fea);
    fmeRutas_->setVisible(panel == Panel::Rutas);
    for (auto* b : {cmdServidor_, cmdDatosFirma_, cmdRutas_}) {
        b->setVisible(panel == Panel::None);
    }
}

void Form1::gaugesChanged() {
    progressBar_->setValue(static_cast<int>(state_.gauges.progress()));
    if (sldControl_->value() != state_.gauges.cycleSeconds()) {
        const QSignalBlocker block(sldControl_);
        sldControl_->setValue(state_.gauges.cycleSeconds());
    }
    txtMin_->setText(qs(state_.gauges.minutesText()));
    txtSeg_->setText(qs(state_.gauges.secondsText()));
}

void Form1::showTab(int tab) {
    tabs_->setCurrentIndex(tab);
}

void Form1::testsEnabledChanged() {
    conexion_->showButtons();
}

void Form1::passChanged() {
    const bool idle = !state_.cycle.passInProgress();
    for (QAction* a : passLocked_) {
        a->setEnabled(idle);
    }
    for (auto [slotIndex, box] : flagBoxes_) {
        box->setEnabled(idle);
    }
    editStateChanged();
    if (!idle) {
        return;
    }
    refreshTimer_->stop();
    refresh();
    finishManualWrites();
    if (closePending_) {
        // Not from inside the operation that ended the pass.
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void Form1::bindSettingsControls() {
    connect(cmdServidor_, &QPushButton::clicked, this,
            [this] { CmdServidor(state_.profiles(ports_.dialogs)); });
    connect(cmdDatosFirma_, &QPushButton::clicked, this,
            [this] { CmdDatosFirma(state_.profiles(ports_.dialogs)); });
    connect(cmdRutas_, &QPushButton::clicked, this,
            [this] { CmdRutas(state_.profiles(ports_.dialogs)); });
    for (QPushButton* hide : cmdOcultar_) {
        connect(hide, &QPushButton::clicked, this, [this] {
            OcultaPanel(state_.profiles(ports_.dialogs));
            fields_[slot::kUser]->setFocus();
        });
    }
    for (ClickableLabel* picture : image3_) {
        connect(picture, &ClickableLabel::doubleClicked, this,
                [this] { AlternaCamposOcultos(state_.profiles(ports_.dialogs)); });
    }
    // Programmatic changes are made with the slider's signals blocked, so this
    // is the operator scrolling.
    connect(sldControl_, &QSlider::valueChanged, this,
            [this](int value) { SldControl_Scroll(state_.profiles(ports_.dialogs), value); });
    for (QLineEdit* box : {txtMin_, txtSeg_}) {
        connect(box, &QLineEdit::editingFinished, this, [this] {
            AplicaLapso(state_.profiles(ports_.dialogs), txtMin_->text().toStdString(),
                        txtSeg_->text().toStdString());
        });
    }
}

void Form1::showAbout() {
    (new FrmAbout(this))->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (state_.cycle.passInProgress()) {
        // The pass ends after the file in flight; the window then closes.
        event->ignore();
        if (!closePending_ && askYesNo(ports_.dialogs, kCierreDuranteCiclo)) {
            closePending_ = true;
            state_.cycle.stopRequested = true;
        }
        return;
    }
    closePending_ = false;
    if (!DescargaForm1(state_, ports_.dialogs, ports_.ftp)) {
        event->ignore();
        return;
    }
    tmrControl_->stop();
    event->accept();
}

}  // namespace torva::ui
