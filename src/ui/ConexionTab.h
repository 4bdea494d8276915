#pragma once

#include <array>
#include <memory>
#include <QObject>

#include "form/MainState.h"
#include "nettest/Ping1Events.h"
#include "nettest/PruebasState.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QWidget;

namespace torva::ui {

class QtEchoRunner;
class WorkerThread;

// The connection tab's controls bound to the connectivity tests, and the
// echo component they use.
class ConexionTab final : public QObject, public PruebasObserver {
  public:
    struct Controls {
        QWidget* window;
        QWidget* tab;
        std::array<QPushButton*, kPruebaBotones> buttons;
        QPushButton* startButton;
        QAction* menuStart;
    };
    ConexionTab(MainState& state, MainPorts& ports, WorkerThread& worker, const Controls& controls);
    ~ConexionTab() override;
    ConexionTab(const ConexionTab&) = delete;
    ConexionTab& operator=(const ConexionTab&) = delete;

    // The system's echo; none leaves the tests to say that no socket can be had.
    void setEcho(EchoTransport* transport, NameResolver* resolver);
    // The test buttons (the cycle's lock and the tests' own) and the start button.
    void showButtons();

    // PruebasObserver
    void salidaAgregada(std::string_view text) override;
    void salidaVaciada() override;
    void contadoresChanged() override;
    void botonesChanged() override { showButtons(); }
    void comentarioColorChanged() override;
    void check1Changed() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeEcho(EchoTransport& transport, NameResolver& resolver);
    // Runs a test; the window's close waits for its end.
    template <typename Test>
    void run(Test test);

    MainState& state_;
    MainPorts& ports_;
    WorkerThread& worker_;
    Controls controls_;
    UnavailableEcho unavailable_;
    std::unique_ptr<QtEchoRunner> runner_;
    std::unique_ptr<IcmpEcho> ping1_;
    std::unique_ptr<Ping1Events> events_;
    bool closePending_ = false;

    QLineEdit* hostName_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QTextEdit* output_ = nullptr;
    QLabel* sendLabel_ = nullptr;
    QLabel* recvLabel_ = nullptr;
    QLabel* lossLabel_ = nullptr;
    QLabel* resultado_ = nullptr;
    QLabel* comentario_ = nullptr;
};

}  // namespace torva::ui
