#include <QAction>

#include "form/ConfigMenus.h"
#include "ui/Form1.h"

namespace torva::ui {

// "Respaldar Configuración" and "Cambiar Folios". The restore closes the
// window through its exit path, with its save prompt.
void Form1::bindRespaldo() {
    auto* hazRespaldo = findChild<QAction*>(QStringLiteral("Menu_HaceRespaldo"));
    auto* recupera = findChild<QAction*>(QStringLiteral("Menu_RecuperaConf"));
    connect(hazRespaldo, &QAction::triggered, this, [this] { Menu_HaceRespaldo(state_, ports_); });
    connect(recupera, &QAction::triggered, this, [this] {
        if (Menu_RecuperaConf(state_, ports_)) {
            close();
        }
    });
    connect(menuFolios_, &QAction::triggered, this, [this] { Menu_Folios(state_, ports_); });
}

}  // namespace torva::ui
