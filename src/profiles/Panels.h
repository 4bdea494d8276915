#pragma once

#include "profiles/ProfileContext.h"

// The three panels of the configuration tab (one open at a time; an open
// panel hides the three buttons) and the hidden-fields toggle.
namespace torva {

void CmdServidor(const ProfileContext& ctx);
void CmdDatosFirma(const ProfileContext& ctx);
// Also opened by the route checks: only while its button is visible.
void CmdRutas(const ProfileContext& ctx);
// "Ocultar" of any panel.
void OcultaPanel(const ProfileContext& ctx);

// Double click on a picture of `Image3`: shows or hides slots 0, 2 and 17.
void AlternaCamposOcultos(const ProfileContext& ctx);

}  // namespace torva
