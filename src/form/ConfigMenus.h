#pragma once

#include "form/MainState.h"

namespace torva {

// Shown when a backup, restore or folio change is asked for while a pass runs.
inline constexpr const char* kEsperaCiclo =
    "No es posible realizar esta operación mientras se ejecuta un ciclo de validación. Espere a "
    "que termine el ciclo e intente de nuevo.";

// `Menu_HaceRespaldo`: the backup of every profile's configuration.
void Menu_HaceRespaldo(MainState& state, MainPorts& ports);

// `Menu_RecuperaConf`: the restore. True when the main window must now close
// through its exit path (DescargaForm1).
bool Menu_RecuperaConf(MainState& state, MainPorts& ports);

// `Menu_Folios`: the folio change through the FTP session.
void Menu_Folios(MainState& state, MainPorts& ports);

}  // namespace torva
