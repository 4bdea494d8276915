#include "ui/ConexionTab.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "nettest/CmdPruebas_Click.h"
#include "nettest/ComdProbar_Click.h"
#include "nettest/PingTest_Click.h"
#include "ui/QtEchoRunner.h"

namespace torva::ui {
namespace {

template <typename W>
W* child(QWidget* tab, const char* name) {
    auto* widget = tab->findChild<W*>(QString::fromLatin1(name));
    Q_ASSERT(widget);
    return widget;
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ConexionTab::ConexionTab(MainState& state, MainPorts& ports, WorkerThread& worker,
                         const Controls& controls)
    : state_(state), ports_(ports), worker_(worker), controls_(controls) {
    QWidget* tab = controls.tab;
    hostName_ = child<QLineEdit>(tab, "HostName");
    check1_ = child<QCheckBox>(tab, "Check1");
    output_ = child<QTextEdit>(tab, "PingOutPut");
    sendLabel_ = child<QLabel>(tab, "SendLabel");
    recvLabel_ = child<QLabel>(tab, "RecvLabel");
    lossLabel_ = child<QLabel>(tab, "LossLabel");
    resultado_ = child<QLabel>(tab, "LblResultado");
    comentario_ = child<QLabel>(tab, "LblComentario");

    makeEcho(unavailable_, unavailable_);
    state_.pruebas.setObserver(this);
    hostName_->setText(QString::fromStdString(state_.pruebas.hostName));
    connect(hostName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.pruebas.hostName = text.toStdString(); });
    connect(check1_, &QCheckBox::clicked, this,
            [this](bool checked) { state_.pruebas.setCheck1(checked); });
    const auto& [pingTest, comdProbar, cmdPruebas] = controls.buttons;
    connect(pingTest, &QPushButton::clicked, this,
            [this] { run([](PruebasContext& ctx) { PingTest_Click(ctx); }); });
    connect(comdProbar, &QPushButton::clicked, this,
            [this] { run([](PruebasContext& ctx) { ComdProbar_Click(ctx); }); });
    connect(cmdPruebas, &QPushButton::clicked, this,
            [this] { run([](PruebasContext& ctx) { CmdPruebas_Click(ctx); }); });
    controls.window->installEventFilter(this);
    check1Changed();
    contadoresChanged();
    comentarioColorChanged();
}

ConexionTab::~ConexionTab() {
    state_.pruebas.setObserver(nullptr);
    ports_.ping1 = nullptr;
    // The component first: its requests out end with the runner.
    events_.reset();
    ping1_.reset();
    runner_.reset();
}

void ConexionTab::setEcho(EchoTransport* transport, NameResolver* resolver) {
    if (transport && resolver) {
        makeEcho(*transport, *resolver);
    } else {
        makeEcho(unavailable_, unavailable_);
    }
}

void ConexionTab::makeEcho(EchoTransport& transport, NameResolver& resolver) {
    const bool synchronous = !ping1_ || ping1_->Synchronous();
    const int timeout = ping1_ ? ping1_->ReplyTimeout() : 2000;
    ports_.ping1 = nullptr;
    ping1_.reset();
    runner_ = std::make_unique<QtEchoRunner>(worker_);
    ping1_ = std::make_unique<IcmpEcho>(transport, resolver, *runner_, ports_.host.address);
    ping1_->setSynchronous(synchronous);
    ping1_->setReplyTimeout(timeout);
    ports_.ping1 = ping1_.get();
    // The events' context holds the component.
    events_ = std::make_unique<Ping1Events>(pruebasContext(state_, ports_));
    ping1_->setListener(events_.get());
}

template <typename Test>
void ConexionTab::run(Test test) {
    PruebasContext ctx = pruebasContext(state_, ports_);
    test(ctx);
    if (closePending_ && !runner_->waiting()) {
        closePending_ = false;
        QTimer::singleShot(0, controls_.window, &QWidget::close);
    }
}

void ConexionTab::showButtons() {
    const bool cycleStopped = state_.cycle.testsEnabled();
    for (std::size_t k = 0; k < kPruebaBotones; ++k) {
        controls_.buttons[k]->setEnabled(cycleStopped &&
                                         state_.pruebas.botonLibre(static_cast<PruebaBoton>(k)));
    }
    controls_.buttons[static_cast<std::size_t>(PruebaBoton::CmdPruebas)]->setText(
        QString::fromStdString(state_.pruebas.cmdPruebasCaption()));
    const bool startFree = !state_.pruebas.inicioBloqueado();
    controls_.startButton->setEnabled(startFree);
    controls_.menuStart->setEnabled(startFree);
}

void ConexionTab::salidaAgregada(std::string_view text) {
    QString shown = qs(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor end(output_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
    output_->setTextCursor(end);
    output_->ensureCursorVisible();
}

void ConexionTab::salidaVaciada() {
    output_->clear();
}

void ConexionTab::contadoresChanged() {
    sendLabel_->setText(QString::fromStdString(state_.pruebas.sendLabel()));
    recvLabel_->setText(QString::fromStdString(state_.pruebas.recvLabel()));
    lossLabel_->setText(QString::fromStdString(state_.pruebas.lossLabel()));
    resultado_->setText(QString::fromStdString(state_.pruebas.resultado()));
}

void ConexionTab::comentarioColorChanged() {
    QPalette palette = comentario_->palette();
    palette.setColor(QPalette::WindowText, state_.pruebas.colorComentario() == ColorComentario::Rojo
                                               ? QColor(255, 0, 0)
                                               : QColor(0, 0, 192));
    comentario_->setPalette(palette);
}

void ConexionTab::check1Changed() {
    const QSignalBlocker block(check1_);
    check1_->setChecked(state_.pruebas.check1());
}

bool ConexionTab::eventFilter(QObject* watched, QEvent* event) {
    // A request the test waits for holds the test's state: the window closes after it.
    if (watched == controls_.window && event->type() == QEvent::Close && runner_->waiting()) {
        event->ignore();
        closePending_ = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace torva::ui
