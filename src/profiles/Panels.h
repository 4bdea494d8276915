#pragma once

#include "state/EditState.h"

// The three panels of the configuration tab (one open at a time; an open
// panel hides the three buttons) and the hidden-fields toggle.
namespace torva {

void CmdServidor(EditState& edit);
void CmdDatosFirma(EditState& edit);
// Also opened by the route checks: only while its button is visible.
void CmdRutas(EditState& edit);
// "Ocultar" of any panel.
void OcultaPanel(EditState& edit);

// Double click on a picture of `Image3`: shows or hides slots 0, 2 and 17.
void AlternaCamposOcultos(EditState& edit);

}  // namespace torva
