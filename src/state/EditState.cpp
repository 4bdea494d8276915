#include "state/EditState.h"

#include "state/ConfigRecord.h"

namespace torva {

void EditState::setEditing(bool on) {
    editing_ = on;
    changed();
}

void EditState::setFolioUnlocked(bool on) {
    folioUnlocked_ = on;
    changed();
}

void EditState::setHiddenFieldsVisible(bool on) {
    hiddenFieldsVisible_ = on;
    record500Visible_ = on;
    changed();
}

void EditState::showHostAndPassword() {
    hiddenFieldsVisible_ = true;
    record500Visible_ = false;
    changed();
}

void EditState::setPanel(Panel panel) {
    panel_ = panel;
    changed();
}

void EditState::setServer(ServerOption option) {
    server_ = option;
    changed();
}

bool EditState::slotEditable(int slot) const {
    if (slot == slot::kLowerFolio || slot == slot::kUpperFolio) {
        return folioUnlocked_;
    }
    return editing_ && slot >= 0 && slot <= slot::kReceiveRoutes;
}

const char* EditState::configureCaption() const {
    return editing_ ? "&Cerrar Edición" : "&Configuración";
}

void EditState::changed() const {
    notify([](MainObserver& o) { o.editStateChanged(); });
}

}  // namespace torva
