// The connection tab's tests.
#include <QTabWidget>

#include "ui/ConexionTab.h"
#include "ui/Form1.h"

namespace torva::ui {

void Form1::bindPruebas() {
    conexion_ = std::make_unique<ConexionTab>(
        state_, ports_, *worker_,
        ConexionTab::Controls{this, tabs_->widget(kTabConexion), testButtons_, startButton_,
                              menuStart_});
}

void Form1::setEchoTransport(EchoTransport* transport, NameResolver* resolver) {
    conexion_->setEcho(transport, resolver);
}

}  // namespace torva::ui
