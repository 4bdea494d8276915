#include "profiles/Panels.h"

namespace torva {
namespace {

void open(EditState& edit, Panel panel) {
    if (edit.panel() == Panel::None) {
        edit.setPanel(panel);
    }
}

}  // namespace

void CmdServidor(const ProfileContext& ctx) {
    open(ctx.edit, Panel::Servidor);
}
void CmdDatosFirma(const ProfileContext& ctx) {
    open(ctx.edit, Panel::Fea);
}
void CmdRutas(const ProfileContext& ctx) {
    open(ctx.edit, Panel::Rutas);
}
void OcultaPanel(const ProfileContext& ctx) {
    ctx.edit.setPanel(Panel::None);
}

void AlternaCamposOcultos(const ProfileContext& ctx) {
    ctx.edit.setHiddenFieldsVisible(!ctx.edit.hiddenFieldsVisible());
}

}  // namespace torva
