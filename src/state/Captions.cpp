#include "state/Captions.h"

#include "platform/OperatorDialogs.h"

namespace torva {

Captions::Captions() {
    texts_[index(Caption::Title)] = kAppTitle;
    texts_[index(Caption::Evento)] = "Listo para Iniciar";
    texts_[index(Caption::LblDespliega)] = "avisos... ";
    texts_[index(Caption::StartButton)] = "&Iniciar";
    texts_[index(Caption::MenuFolios)] = "C&ambiar Folios";
    texts_[index(Caption::LblComentario)] = "Listo para iniciar pruebas";
}

void Captions::set(Caption which, std::string text) {
    std::string& held = texts_[index(which)];
    if (held == text) {
        return;
    }
    held = std::move(text);
    notify([which](MainObserver& o) { o.captionChanged(which); });
}

}  // namespace torva
