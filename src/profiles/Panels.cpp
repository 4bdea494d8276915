#include "profiles/Panels.h"

namespace torva {
namespace {

void open(EditState& edit, Panel panel) {
    if (edit.panel() == Panel::None) {
        edit.setPanel(panel);
    }
}

}  // namespace

void CmdServidor(EditState& edit) {
    open(edit, Panel::Servidor);
}
void CmdDatosFirma(EditState& edit) {
    open(edit, Panel::Fea);
}
void CmdRutas(EditState& edit) {
    open(edit, Panel::Rutas);
}
void OcultaPanel(EditState& edit) {
    edit.setPanel(Panel::None);
}

void AlternaCamposOcultos(EditState& edit) {
    edit.setHiddenFieldsVisible(!edit.hiddenFieldsVisible());
}

}  // namespace torva
